// The shipped experiment's pages in a real browser: every page of the html
// folder, and game pages of each kind written by the program's own set-up and
// composition for 3 and 4 players, with and without pictures, load at two
// common screen sizes with no failed request, no broken picture and nothing
// fetched from anywhere else, and the game fits on the screen. Screenshots go
// to $VOLLETA_SCREENSHOT_DIR (docs/screenshots when refreshing the README's),
// else to screenshots/ in the build folder.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import http from 'node:http';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';
import { launchChromium } from './lib/chromium.mjs';

const PROGRAM_DIR = process.env.VOLLETA_PROGRAM_DIR;
const COMPOSE = process.env.VOLLETA_COMPOSE_EXPERIMENT_PAGE;
const SHOTS = process.env.VOLLETA_SCREENSHOT_DIR ||
  path.join(process.env.VOLLETA_BUILD_DIR || os.tmpdir(), 'screenshots');
const SIZES = [{ width: 1920, height: 1080 }, { width: 1366, height: 768 }];
const ANIMATION_MS = 1600;  // a throw animation has played out by then

const TYPES = { '.htm': 'text/html; charset=utf-8', '.css': 'text/css', '.gif': 'image/gif',
  '.png': 'image/png', '.jpg': 'image/jpeg' };

let browser;
let server;
let origin;
let folder;

// Serves the copy's html folder under /html/, as the program's server does
// (relative links and pictures work the same).
function serve(root) {
  return http.createServer(async (req, res) => {
    const url = new URL(req.url, 'http://x');
    const rel = decodeURIComponent(url.pathname);
    const file = path.resolve(root, '.' + rel);
    if (!rel.startsWith('/html/') || !file.startsWith(path.join(root, 'html') + path.sep)) {
      res.writeHead(404).end();
      return;
    }
    try {
      const body = await fs.readFile(file);
      res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-store' });
      res.end(body);
    } catch {
      res.writeHead(404).end();
    }
  });
}

before(async () => {
  assert.ok(PROGRAM_DIR, 'VOLLETA_PROGRAM_DIR must be set');
  assert.ok(COMPOSE, 'VOLLETA_COMPOSE_EXPERIMENT_PAGE must name the page tool');
  folder = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-pages-'));
  for (const sub of ['html', 'settings', 'schedules']) {
    await fs.cp(path.join(PROGRAM_DIR, sub), path.join(folder, sub), { recursive: true });
  }
  await fs.rm(path.join(folder, 'html', 'quindle.htm'), { force: true });
  // The same conditions without pictures: every picture field "none".
  for (const players of [3, 4]) {
    const name = `${players}pl - include subject.txt`;
    const text = await fs.readFile(path.join(folder, 'settings', name), 'latin1');
    const bare = text.replace(/^(Player \d[^,]*,[^,]*),[^\r\n]*/gm, '$1,none');
    assert.notEqual(bare, text);
    await fs.writeFile(path.join(folder, 'settings', `${players}pl - no pictures.txt`), bare, 'latin1');
  }
  await fs.mkdir(SHOTS, { recursive: true });
  server = serve(folder);
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  origin = `http://127.0.0.1:${server.address().port}`;
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
  server?.close();
  if (folder) await fs.rm(folder, { recursive: true, force: true });
});

// Loads html/<file> at a screen size and returns the page with what went
// wrong on the way: failed or refused requests and requests to elsewhere.
async function open(file, size) {
  const context = await browser.newContext({ viewport: size });
  const page = await context.newPage();
  const problems = [];
  await page.route('**/*', (route) => {
    const url = route.request().url();
    if (url.startsWith(origin + '/')) return route.continue();
    problems.push(`request outside the program folder: ${url}`);
    return route.abort();
  });
  page.on('requestfailed', (r) => problems.push(`failed: ${r.url()} ${r.failure()?.errorText}`));
  page.on('response', (r) => { if (r.status() >= 400) problems.push(`${r.status()}: ${r.url()}`); });
  page.on('pageerror', (e) => problems.push(`script error: ${e.message}`));
  await page.goto(`${origin}/html/${file}`, { waitUntil: 'load' });
  const broken = await page.$$eval('img', (imgs) => imgs
    .filter((i) => !i.complete || i.naturalWidth === 0).map((i) => i.getAttribute('src')));
  for (const src of broken) problems.push(`broken picture: ${src}`);
  return { context, page, problems };
}

async function shoot(page, name) {
  await page.screenshot({ path: path.join(SHOTS, `${name}.png`) });
}

test('every page of the html folder loads cleanly at both sizes', async () => {
  const files = (await fs.readdir(path.join(folder, 'html')))
    .filter((f) => f.endsWith('.htm') && f !== 'template.htm').sort();
  for (const needed of ['start.htm', 'connecting.htm', 'connected.htm', 'thankyou.htm',
    '2to1.htm', '2to3.htm', '2to4.htm']) {
    assert.ok(files.includes(needed), `html/${needed} is shipped`);
  }
  for (const file of files) {
    for (const size of SIZES) {
      const { context, page, problems } = await open(file, size);
      assert.deepEqual(problems, [], `${file} at ${size.width}x${size.height}`);
      const fits = await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth);
      assert.ok(fits, `${file} needs no sideways scrolling at ${size.width}x${size.height}`);
      if (size.width === 1366 && ['start.htm', 'connecting.htm', 'thankyou.htm'].includes(file)) {
        await page.waitForTimeout(file === 'connecting.htm' ? 3800 : 100);
        await shoot(page, file.replace('.htm', ''));
      }
      await context.close();
    }
  }
});

test('the start page leads to the connecting page', async () => {
  const { context, page, problems } = await open('start.htm', SIZES[1]);
  await page.click('a:has-text("Continue")');
  await page.waitForURL(/connecting/);
  assert.deepEqual(problems, []);
  await context.close();
});

// One game page of each kind, written by the program from the shipped
// template and settings, checked in the browser.
const KINDS = [
  { kind: 'opening', from: 2, to: 0, count: 0, subjectsTurn: false },
  { kind: 'computer', from: 1, to: 3, count: 4, subjectsTurn: false },
  { kind: 'computer', from: 3, to: 2, count: 5, subjectsTurn: true },
  { kind: 'subject', from: 2, to: 1, count: 6, subjectsTurn: false },
];

for (const players of [4, 3]) {
  for (const pictures of [true, false]) {
    test(`${players}-player game pages ${pictures ? 'with' : 'without'} pictures`, async () => {
      const settings = pictures ? `${players}pl - include subject.txt` : `${players}pl - no pictures.txt`;
      const kinds = players === 4
        ? [...KINDS, { kind: 'computer', from: 4, to: 1, count: 7, subjectsTurn: false }] : KINDS;
      for (const k of kinds) {
        const { stdout } = await promisify(execFile)(COMPOSE,
          [folder, settings, k.kind, String(k.from), String(k.to), String(k.count)]);
        assert.equal(stdout.trim(), path.join(folder, 'html', 'quindle.htm'));
        const what = `${players} players, ${k.kind} ${k.from} to ${k.to}`;

        for (const size of SIZES) {
          const { context, page, problems } = await open('quindle.htm', size);
          assert.deepEqual(problems, [], `${what} at ${size.width}x${size.height}`);
          const view = await page.evaluate(() => {
            const shown = (el) => !!el && el.getClientRects().length > 0 &&
              getComputedStyle(el).visibility !== 'hidden';
            const anim = document.querySelector('img.throw');
            return {
              fits: document.documentElement.scrollHeight <= innerHeight &&
                document.documentElement.scrollWidth <= innerWidth,
              animation: anim.getAttribute('src'),
              ratio: anim.clientWidth / anim.clientHeight,
              labels: [...document.querySelectorAll('.label')].filter(shown).map((l) => l.textContent),
              links: [...document.querySelectorAll('a')].filter(shown).map((a) => a.getAttribute('href')),
              hint: shown(document.querySelector('.hint')),
              faces: [...document.querySelectorAll('.player img')].filter(shown).length,
            };
          });
          assert.ok(view.fits, `${what}: the game fits a ${size.width}x${size.height} screen`);
          const gif = k.kind === 'opening' ? 'start.gif' : `${k.from}to${k.to}.gif`;
          assert.equal(view.animation, `anim/${players}player/${gif}`, what);
          assert.ok(Math.abs(view.ratio - 600 / 420) < 0.02, `${what}: animation keeps its shape`);
          const names = players === 4 ? ['Sam', 'Alex', 'Jordan', 'You'] : ['Alex', 'Jordan', 'You'];
          assert.deepEqual(view.labels, names, `${what}: every player is named, in place`);
          assert.equal(view.faces, pictures ? players : 0, `${what}: pictures shown`);
          if (k.subjectsTurn) {
            const targets = players === 4 ? ['2to1.htm', '2to3.htm', '2to4.htm'] : ['2to1.htm', '2to3.htm'];
            assert.deepEqual([...new Set(view.links)].sort(), targets, `${what}: the subject can throw`);
            assert.ok(view.hint, `${what}: the hint shows on the subject's turn`);
          } else {
            assert.deepEqual(view.links, [], `${what}: nothing to click`);
            assert.ok(!view.hint, `${what}: no hint`);
          }
          if (pictures && size.width === 1366) {
            await page.waitForTimeout(ANIMATION_MS);
            await shoot(page, `game-${players}player-${k.kind}-${k.from}to${k.to}`);
          }
          await context.close();
        }
      }
    });
  }
}

test('a throw in flight, for the README', async () => {
  await promisify(execFile)(COMPOSE, [folder, '4pl - include subject.txt', 'computer', '1', '3', '2']);
  const { context, page, problems } = await open('quindle.htm', SIZES[1]);
  await page.waitForTimeout(650);
  await shoot(page, 'game-4player-ball-in-flight');
  assert.deepEqual(problems, []);
  await context.close();
});
