// The real program end to end: whole short games in headless Chromium against
// the three logs, each throw swapped into the page as its page file shows it
// and its animation starting at its first frame; a page that loses its socket;
// the navigate path; SIGTERM, and the launch path with --headless.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { launchChromium } from './lib/chromium.mjs';
import { THROWS, FIRST_FRAME_MS, within, start, checkLogs, composedPages, shownMarkup,
  firstFrameColour } from './lib/game_run.mjs';

const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-game-'));
const browser = await launchChromium();
// A page of its own for decoding screenshots and parsing page files.
const checker = await browser.newPage();
after(() => Promise.all([browser.close(), fs.rm(root, { recursive: true, force: true })]));

// The colour at the middle of a PNG screenshot.
const middleColour = (png) => checker.evaluate(async (b64) => {
  const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${b64}`)).blob());
  const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
  const context = canvas.getContext('2d');
  context.drawImage(bitmap, 0, 0);
  const x = Math.floor(bitmap.width / 2), y = Math.floor(bitmap.height / 2);
  return [...context.getImageData(x, y, 1, 1).data.slice(0, 3)];
}, png.toString('base64'));
const near = (a, b) => a.every((v, i) => Math.abs(v - b[i]) <= 12);

// Plays a game in a new page: the subject throws to each player in turn by
// `method`. Every game page shown (loaded or swapped in) is recorded with its
// markup and, for a swap, the colour of its throw picture (and of the
// photodiode patch's corner) in screenshots and how long after the swap they
// were done.
const PATCH = { x: 5, y: 720 - 35, width: 10, height: 10 };
async function play(run, method, { loseSocketAfter = 0 } = {}) {
  const url = await run.firstLine;
  assert.match(url, /^http:\/\/127\.0\.0\.1:\d+\/[0-9a-f]{32}\/html\/start\.htm$/);
  const page = await browser.newPage();
  const targets = run.players === 3 ? [1, 3] : [1, 3, 4];
  const shown = [];
  let subjectThrows = 0;
  let end;
  const ended = new Promise((resolve) => { end = resolve; });
  await page.exposeBinding('pageShown', async (_source, info) => {
    if (info.where.endsWith('/thankyou.htm')) end();
    if (!info.where.endsWith('/quindle.htm')) return;
    shown.push(info);
    if (info.how === 'swap' && info.box) {
      const [png, patch] = [await page.screenshot({ clip: info.box }),
        await page.screenshot({ clip: PATCH })];
      info.elapsed = await page.evaluate(() => performance.now()) - info.at;
      info.colour = await middleColour(png);
      info.patch = await middleColour(patch);
    }
    if (loseSocketAfter && shown.length === loseSocketAfter) {
      await page.evaluate(() => window.testSockets.forEach((s) => s.close()));
    }
    if (!info.holding) return;
    const target = targets[subjectThrows++ % targets.length];
    await (method === 'click' ? page.click(`td.player.p${target} a`, { timeout: 5000 })
      : page.keyboard.press(String(target))).catch((e) => end(String(e)));
  });
  await page.addInitScript({ content: `window.shownMarkup = ${shownMarkup};` });
  await page.addInitScript(() => {
    // The page's sockets, for the test that closes them.
    const Native = window.WebSocket;
    window.testSockets = [];
    window.WebSocket = function (...args) {
      const socket = new Native(...args);
      window.testSockets.push(socket);
      return socket;
    };
    const report = (how) => {
      const picture = document.querySelector('img.throw');
      const r = picture?.getBoundingClientRect();
      window.pageShown({ how, where: location.pathname, at: performance.now(),
        markup: window.shownMarkup(document),
        holding: document.querySelector('a[href^="2to"]') !== null,
        box: r && { x: r.x + r.width / 2 - 10, y: r.y + r.height / 2 - 10, width: 20, height: 20 } });
    };
    addEventListener('load', () => {
      report('load');
      new MutationObserver((changes) => {
        if (changes.some((c) => [...c.addedNodes].includes(document.body))) report('swap');
      }).observe(document.documentElement, { childList: true });
    });
  });
  await page.goto(url);
  const startPatch = await middleColour(await page.screenshot({ clip: PATCH }));
  await page.click('a.button');  // the start page's way to the connecting screen
  assert.equal(await within(ended, 60000), undefined, `no thank-you page; saw ${shown.length}`);
  assert.ok(subjectThrows >= 1);
  return { page, shown, startPatch };
}

// Each logged throw was shown as its page file shows it; in the swap path
// every logged throw was swapped in, its animation at its first frame when
// the screenshot came before that frame ended.
async function checkShown(run, shown, receivers, { swapped, photodiode = false }) {
  const pages = await composedPages(run, receivers);
  assert.ok(shown.length >= pages.length, `${shown.length} pages shown`);
  for (let n = 0; n < pages.length; n++) {
    const expected = await checker.evaluate(({ text, fn }) =>
      eval(`(${fn})`)(new DOMParser().parseFromString(text, 'text/html')),
    { text: pages[n].text, fn: shownMarkup.toString() });
    assert.equal(shown[n].markup, expected, `throw ${n} (${shown[n].how})`);
    if (n === 0 || !swapped) continue;
    assert.equal(shown[n].how, 'swap', `throw ${n}`);
    if (shown[n].elapsed < FIRST_FRAME_MS) {
      assert.ok(near(shown[n].colour, firstFrameColour(pages[n].thrower, pages[n].receiver)),
        `throw ${n} showed ${shown[n].colour} ${shown[n].elapsed} ms after the swap`);
      // With the patch white for 60 frames (a second at most rates).
      if (photodiode) assert.deepEqual(shown[n].patch, [255, 255, 255], `throw ${n}'s patch`);
    }
  }
}

for (const [players, method] of [[3, 'click'], [4, 'keys']]) {
  test(`a ${players}-player game in the swap path, the subject throwing by ${method}`, async () => {
    const subject = `S${players}${method}`;
    // The 4-player game shows the photodiode patch: black on the start page.
    const photodiode = players === 4;
    const run = await start(root, players, ['--no-browser', ...(photodiode ? ['--photodiode-frames', '60'] : [])],
      subject, { animations: true, delay: '0.5,0.1' });
    const { page, shown, startPatch } = await play(run, method);
    const { receivers } = await checkLogs(run, subject);
    await checkShown(run, shown, receivers, { swapped: true, photodiode });
    if (photodiode) assert.deepEqual(startPatch, [0, 0, 0]);
    assert.match(run.stderr(), /display: each throw swapped into the shown page/);
    // Closing the page ends the program (after its grace for a page to return); so does SIGTERM.
    if (players === 3) await page.close();
    else run.child.kill('SIGTERM');
    await run.ends();
  });
}

test('a page that loses its socket mid-game, and the navigate path, still log every throw', async () => {
  for (const [args, subject] of [[[], 'SLOST'], [['--display', 'navigate'], 'SNAVIGATE']]) {
    const run = await start(root, 3, ['--no-browser', ...args], subject);
    const { page, shown } = await play(run, 'click', { loseSocketAfter: args.length ? 0 : 3 });
    // A page left before it was presented reports nothing.
    const { receivers } = await checkLogs(run, subject, { someOnsets: true });
    await checkShown(run, shown, receivers, { swapped: false });
    if (args.length) assert.ok(shown.every((s) => s.how === 'load'), 'navigate: every page loaded');
    await page.close();
    await run.ends();
  }
});

test('with --headless the program launches the browser and ends when it does', async () => {
  const run = await start(root, 3, ['--headless', '--browser', '/usr/bin/chromium'], 'SHEADLESS');
  // An end before any page connected is a failed launch, not a closed window.
  await run.says(/the window shows the experiment/);
  const children = await fs.readFile(`/proc/${run.child.pid}/task/${run.child.pid}/children`, 'utf8');
  const pid = parseInt(children, 10);
  const cmdline = await fs.readFile(`/proc/${pid}/cmdline`, 'utf8');
  const profile = /--user-data-dir=([^\0]*)/.exec(cmdline)[1];
  process.kill(pid, 'SIGKILL');
  await run.ends();
  assert.equal(run.stdout(), '', 'no address printed with a window');
  await assert.rejects(fs.access(profile), 'the temporary profile is removed');
});
