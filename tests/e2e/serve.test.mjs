// volleta serve on the loopback, played in Chromium from the study link: the
// game through serve's relay to the return URL, the record and the console
// lines it gives, the same link refused afterwards, and SIGTERM's clean end.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs/promises';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { launchChromium } from './lib/chromium.mjs';
import { command, ownEnvironment, programFolder, rows } from './lib/game_run.mjs';

const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-serve-'));
const browser = await launchChromium();
after(() => Promise.all([browser.close(), fs.rm(root, { recursive: true, force: true })]));

// serve's console: its lines as they come, and a wait for one matching `pattern`.
function console_(child) {
  const lines = [];
  const waiting = [];
  readline.createInterface({ input: child.stdout }).on('line', (line) => {
    lines.push(line);
    for (const w of waiting.splice(0)) (w.pattern.test(line) ? w.resolve(line) : waiting.push(w));
  });
  const next = (pattern) => new Promise((resolve) => {
    const seen = lines.find((line) => pattern.test(line));
    if (seen) resolve(seen); else waiting.push({ pattern, resolve });
  });
  return { lines, next };
}

test('a participant plays a whole game through serve from the study link to the return URL; ' +
  'the ID is refused a second game', async () => {
  const returned = [];
  const returnServer = http.createServer((req, res) => { returned.push(req.url); res.end('done'); });
  await new Promise((resolve) => returnServer.listen(0, '127.0.0.1', resolve));
  const folder = await programFolder(root, 3, '0.5,0');
  const [exe, args] = command(['serve', '--folder', folder, '--listen', '127.0.0.1:0',
    '--conditions', 'short.txt', '--abandon-after', '30', '--return-after', '1', '--return-url',
    `http://127.0.0.1:${returnServer.address().port}/done?who={id}&study={STUDY_ID}`]);
  const serve = spawn(exe, args, { env: ownEnvironment(root), stdio: ['ignore', 'pipe', 'inherit'] });
  const exited = new Promise((resolve) => serve.on('exit', (code) => resolve(code)));
  const out = console_(serve);
  const page = await browser.newPage();
  try {
    const listening = await out.next(/^Listening on /);
    const origin = listening.match(/http:\/\/127\.0\.0\.1:\d+/)[0];
    assert.ok(out.lines.includes(`Study link: ${origin}/?PROLIFIC_PID=ID`), out.lines.join('\n'));

    await page.goto(`${origin}/?PROLIFIC_PID=P%201&STUDY_ID=s1`);
    assert.match(page.url(), /^http:\/\/127\.0\.0\.1:\d+\/[0-9a-f]{32}\/html\/start\.htm$/);
    assert.equal(new URL(page.url()).origin, origin);
    await page.click('a.button');
    for (let n = 0; ; n++) {
      const state = await (await page.waitForFunction(() => {
        if (location.pathname.endsWith('/thankyou.htm') || location.pathname === '/done') return 'end';
        return document.querySelector('a[href^="2to"]') && !document.body.dataset.thrown && 'hold';
      }, null, { timeout: 60000, polling: 50 })).jsonValue();
      if (state === 'end') break;
      await page.evaluate(() => { document.body.dataset.thrown = '1'; });
      await Promise.race([page.click(`td.player.p${n % 2 ? 3 : 1} a`, { timeout: 60000 }),
        page.waitForURL(/thankyou\.htm$/, { timeout: 60000 })]).catch(() => {});
    }
    await page.waitForURL(/\/done\?/, { timeout: 60000 });
    assert.deepEqual(returned.filter((url) => url.startsWith('/done')), ['/done?who=P%201&study=s1']);
    assert.match(await out.next(/ID "P 1": completed$/), /^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d /);

    const again = await page.goto(`${origin}/?PROLIFIC_PID=P%201`);
    assert.equal(again.status(), 200);
    assert.match(await page.content(), /already/);
    await out.next(/ID "P 1": refused: already started$/);
  } finally {
    await page.close();
    returnServer.close();
    serve.kill('SIGTERM');
  }
  assert.equal(await exited, 0);
  assert.deepEqual(out.lines.filter((line) => / ID "/.test(line)).map((l) => l.replace(/^\S+ /, '')),
    ['ID "P 1": started (short.txt)', 'ID "P 1": completed', 'ID "P 1": refused: already started']);
  const outcomes = (await rows(folder, 'sessions.csv')).slice(1)
    .map((row) => row.match(/(?:^|,)(started|completed|refused: already started),/)?.[1]);
  assert.deepEqual(outcomes, ['started', 'completed', 'refused: already started']);
  assert.equal((await rows(folder, 'log.csv')).length, 1);
});
