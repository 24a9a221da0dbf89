// The shipped pages, and the game pages the program composes from them (3 and 4 players, with and
// without pictures), in headless Chromium at two screen sizes: nothing failed, broken or fetched from
// elsewhere, and the game fits. (scripts/page-screenshots.sh makes the documentation's pictures.)
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import http from 'node:http';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { execFileSync } from 'node:child_process';
import { launchChromium } from './lib/chromium.mjs';

const COMPOSE = process.env.VOLLETA_COMPOSE_EXPERIMENT_PAGE;
const SIZES = [{ width: 1920, height: 1080 }, { width: 1366, height: 768 }];
const TYPES = { '.htm': 'text/html', '.css': 'text/css', '.gif': 'image/gif', '.png': 'image/png' };
let browser, server, origin, folder;

before(async () => {
  folder = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-pages-'));
  for (const sub of ['html', 'settings', 'schedules']) {
    await fs.cp(path.join(process.env.VOLLETA_PROGRAM_DIR, sub), path.join(folder, sub), { recursive: true });
  }
  for (const n of [3, 4]) {  // the include conditions of n players again with every picture "none"
    const text = await fs.readFile(path.join(folder, 'settings', `${n}pl - include subject.txt`), 'latin1');
    const bare = text.replace(/^(Player \d[^,]*,[^,]*),[^\r\n]*/gm, '$1,none');
    assert.notEqual(bare, text);
    await fs.writeFile(path.join(folder, 'settings', `${n}pl - no pictures.txt`), bare, 'latin1');
  }
  server = http.createServer(async (req, res) => {  // the html folder under /html/, as the program serves it
    const file = path.join(folder, decodeURIComponent(new URL(req.url, origin).pathname));
    const body = file.startsWith(`${folder}/html/`) && await fs.readFile(file).catch(() => null);
    if (!body) return res.writeHead(404).end();
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)], 'Cache-Control': 'no-store' }).end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  origin = `http://127.0.0.1:${server.address().port}`;
  browser = await launchChromium();
});

after(() => Promise.all([browser?.close(), server?.close(), fs.rm(folder, { recursive: true })]));

// Opens html/<file> in a fresh window; it must load cleanly and need no sideways scrolling.
async function open(file, size, what = `${file} at ${size.width}x${size.height}`) {
  const page = await (await browser.newContext({ viewport: size })).newPage();
  const problems = [];
  await page.route((url) => !url.href.startsWith(origin + '/'), (route) => route.abort());
  page.on('requestfailed', (r) => problems.push(`failed: ${r.url()} ${r.failure()?.errorText}`));
  page.on('response', (r) => r.status() >= 400 && problems.push(`${r.status()}: ${r.url()}`));
  page.on('pageerror', (e) => problems.push(`script error: ${e.message}`));
  await page.goto(`${origin}/html/${file}`, { waitUntil: 'load' });
  problems.push(...await page.$$eval('img', (imgs) => imgs.filter((i) => !i.complete || !i.naturalWidth)
    .map((i) => `broken picture: ${i.getAttribute('src')}`)));
  assert.deepEqual(problems, [], what);
  const tooWide = await page.evaluate(() => document.documentElement.scrollWidth > innerWidth);
  assert.ok(!tooWide, `${what}: too wide`);
  return page;
}

test('every page of the html folder loads cleanly at both sizes', async () => {
  for (const file of ['start.htm', 'connecting.htm', 'connected.htm', 'thankyou.htm', '2to1.htm', '2to3.htm',
    '2to4.htm']) {
    for (const size of SIZES) {
      const page = await open(file, size);
      if (file === 'start.htm') {
        await Promise.all([page.waitForURL(/connecting/), page.click('text=Continue')]);
      }
      await page.context().close();
    }
  }
});

// [kind, thrower, receiver, throw count]; Player 4 throws only in a 4-player game.
const KINDS = [['opening', 2, 0, 0], ['computer', 1, 3, 4], ['computer', 3, 2, 5], ['subject', 2, 1, 6],
  ['computer', 4, 1, 7]];

for (const players of [4, 3]) {
  for (const pictures of [true, false]) {
    test(`${players}-player game pages ${pictures ? 'with' : 'without'} pictures`, async () => {
      const settings = `${players}pl - ${pictures ? 'include subject' : 'no pictures'}.txt`;
      for (const [kind, from, to, count] of KINDS.filter(([, thrower]) => thrower <= players)) {
        execFileSync(COMPOSE, [folder, settings, kind, from, to, count].map(String));
        for (const size of SIZES) {
          const what = `${settings}, ${kind} ${from} to ${to} at ${size.width}x${size.height}`;
          const page = await open('quindle.htm', size, what);
          const view = await page.evaluate(() => {
            const shown = (el) => el.checkVisibility({ visibilityProperty: true });
            const all = (selector) => [...document.querySelectorAll(selector)].filter(shown);
            const centre = (el) => el.getBoundingClientRect().x + el.getBoundingClientRect().width / 2;
            const label = (img) => img.closest('td').querySelector('.label');
            const anim = document.querySelector('img.throw');
            return {
              fitsHeight: document.documentElement.scrollHeight <= innerHeight,
              animation: anim.getAttribute('src'),
              keepsShape: Math.abs(anim.width / anim.height - anim.naturalWidth / anim.naturalHeight) < 0.02,
              labels: all('.label').map((l) => l.textContent),
              faces: all('.player img').length,
              offCentre: all('.player img').filter((i) => Math.abs(centre(i) - centre(label(i))) > 2).length,
              links: [...new Set(all('a').map((a) => a.getAttribute('href')))].sort(),
              hint: shown(document.querySelector('.hint')),
            };
          });
          assert.deepEqual(view, {
            fitsHeight: true,
            animation: `anim/${players}player/${kind === 'opening' ? 'start' : `${from}to${to}`}.gif`,
            keepsShape: true,
            labels: ['Sam', 'Alex', 'Jordan', 'You'].slice(4 - players),  // top, left, right, bottom
            faces: pictures ? players : 0,
            offCentre: 0,  // every picture sits centred over its name
            links: to === 2 ? ['2to1.htm', '2to3.htm', '2to4.htm'].slice(0, players - 1) : [],
            hint: to === 2,
          }, what);
          await page.context().close();
        }
      }
    });
  }
}
