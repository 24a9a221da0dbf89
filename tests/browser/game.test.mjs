// Whole games with the real program in headless Chromium: started with
// --no-browser on a temporary copy of the program folder with a short game,
// led from the start page through the connection screen, the subject
// throwing by clicking and by the keys; then the log rows against what the
// browser showed, the thank-you page, and the program ending when the page is
// closed. Also the real launch path with --headless.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { launchChromium } from './lib/chromium.mjs';

const EXE = process.env.VOLLETA_EXE;
const PROGRAM_DIR = process.env.VOLLETA_PROGRAM_DIR;
const THROWS = 6;

let browser;
const folders = [];

before(async () => {
  assert.ok(EXE && PROGRAM_DIR, 'VOLLETA_EXE and VOLLETA_PROGRAM_DIR must be set');
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
  for (const folder of folders) await fs.rm(folder, { recursive: true, force: true });
});

// A copy of the program folder with a short game for 3 or 4 players.
async function programFolder(players) {
  const folder = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-game-'));
  folders.push(folder);
  for (const sub of ['html', 'settings', 'schedules']) {
    await fs.cp(path.join(PROGRAM_DIR, sub), path.join(folder, sub), { recursive: true });
  }
  const schedule = players === 3 ? '1, 2323\r\n3, 2121\r\n' : '1, 234\r\n3, 214\r\n4, 231\r\n';
  await fs.writeFile(path.join(folder, 'schedules', 'short.txt'), schedule);
  const settings = await fs.readFile(
    path.join(PROGRAM_DIR, 'settings', `${players}pl - include subject.txt`), 'latin1');
  await fs.writeFile(path.join(folder, 'settings', 'short.txt'), settings
    .replace(/^(Number of throws in the game,).*$/m, `$1${THROWS}`)
    .replace(/^(Schedule file[^,]*,).*$/m, '$1short.txt')
    .replace(/^(Delay between throws[^,]*,).*$/m, '$10.1,0.2'), 'latin1');
  return folder;
}

// Starts the program; resolves with the process and the first line it prints.
async function startProgram(folder, args, subject) {
  const child = spawn(EXE, ['--folder', folder, ...args, 'short.txt'],
    { stdio: ['pipe', 'pipe', 'pipe'] });
  let stderr = '';
  child.stderr.on('data', (d) => { stderr += d; });
  child.stdin.end(`${subject}\n`);
  const exited = new Promise((resolve) => child.on('exit', (code) => resolve(code)));
  const lines = readline.createInterface({ input: child.stdout });
  const first = new Promise((resolve) => lines.once('line', resolve));
  return { child, exited, first, stderr: () => stderr };
}

// Plays one game; returns the throws the browser showed, as "XtoY".
async function playGame(url, method) {
  const page = await browser.newPage();
  const shown = [];
  let resolveEnd;
  const ended = new Promise((resolve) => { resolveEnd = resolve; });
  let subjectThrows = 0;
  // Every page reports itself once loaded: the throw its picture shows and
  // whether the subject holds the ball (links to the other players).
  await page.exposeBinding('reportPage', async (_source, info) => {
    if (info.path.endsWith('/thankyou.htm')) { resolveEnd(info); return; }
    if (!info.path.endsWith('/quindle.htm')) return;
    const throwShown = /(\d)to(\d)\.gif$/.exec(info.picture || '');
    if (throwShown) shown.push(`${throwShown[1]}to${throwShown[2]}`);
    if (!info.holdsBall) return;
    // The subject throws to the players in turn, so every target is used.
    const targets = info.targets;
    const target = targets[subjectThrows % targets.length];
    subjectThrows++;
    try {
      if (method === 'click') {
        await page.click(`td.player.p${target} a`, { timeout: 5000 });
      } else {
        await page.keyboard.press(String(target));
      }
    } catch (e) {
      resolveEnd({ error: String(e) });
    }
  });
  await page.addInitScript(() => {
    addEventListener('load', () => {
      const img = document.querySelector('img.throw');
      const targets = [1, 3, 4].filter((n) => document.querySelector(`a[href="2to${n}.htm"]`) &&
        document.querySelector(`td.player.p${n}`)?.offsetParent !== null);
      window.reportPage({ path: location.pathname, picture: img?.getAttribute('src'),
        holdsBall: targets.length > 0, targets });
    });
  });
  await page.goto(url);
  assert.match(await page.title(), /./);
  await page.click('a.button');  // the start page's way to the connection screen
  const end = await Promise.race([ended,
    new Promise((_, reject) => setTimeout(() => reject(new Error(`game did not end; saw ${shown}`)),
      60000))]);
  assert.equal(end.error, undefined);
  return { page, shown, subjectThrows };
}

function lastRow(text) {
  const rows = text.split(/\r?\n/).filter((l) => l.length > 0);
  return rows[rows.length - 1].split(',');
}

for (const [players, method] of [[3, 'click'], [4, 'keys']]) {
  test(`a ${players}-player game, the subject throwing by ${method}`, async () => {
    const folder = await programFolder(players);
    const subject = `S${players}${method}`;
    const run = await startProgram(folder, ['--no-browser'], subject);
    const url = await run.first;
    assert.match(url, /^http:\/\/127\.0\.0\.1:\d+\/[0-9a-f]{32}\/html\/start\.htm$/);
    const { page, shown, subjectThrows } = await playGame(url, method);

    // The opening page shows no throw; then at least the game's throws.
    assert.ok(shown.length >= THROWS, `throws shown: ${shown}`);
    assert.ok(subjectThrows >= 1, 'the subject got the ball at least once');
    for (const t of shown) {
      const [from, to] = t.split('to').map(Number);
      assert.ok(from !== to && from <= players && to <= players, `throw ${t}`);
    }
    // Each shown throw passes the ball on from whoever caught the one before.
    for (let i = 1; i < shown.length; i++) {
      assert.equal(shown[i][0], shown[i - 1][3], `throws ${shown[i - 1]} then ${shown[i]}`);
    }
    assert.match(await page.textContent('body'), /./);
    assert.match(page.url(), /\/thankyou\.htm$/);

    // The rows appended for this game: the receivers the browser saw.
    const log = lastRow(await fs.readFile(path.join(folder, 'log', 'log.csv'), 'latin1'));
    const time = lastRow(await fs.readFile(path.join(folder, 'log', 'time.csv'), 'latin1'));
    assert.ok(log.includes(subject), `log row ${log}`);
    assert.ok(time.includes(subject), `time row ${time}`);
    const receivers = shown.slice(0, THROWS).map((t) => t[3]);
    assert.equal(log.slice(-THROWS).join(''), receivers.join(''), `log row ${log} vs ${shown}`);
    const times = time.slice(-THROWS).map(Number);
    for (let i = 1; i < times.length; i++) assert.ok(times[i] >= times[i - 1], `times ${times}`);

    // Closing the page ends the program (after the grace for a page that
    // comes back).
    await page.close();
    const code = await Promise.race([run.exited,
      new Promise((resolve) => setTimeout(() => resolve('still running'), 15000))]);
    if (code === 'still running') run.child.kill();
    assert.equal(code, 0, run.stderr());
  });
}

function children(pid) {
  return fs.readFile(`/proc/${pid}/task/${pid}/children`, 'utf8')
    .then((text) => text.trim().split(/\s+/).filter(Boolean).map(Number))
    .catch(() => []);
}

test('with --headless the program launches the browser, and ends when it ends', async () => {
  const folder = await programFolder(3);
  const env = { ...process.env };
  delete env.DISPLAY;
  delete env.WAYLAND_DISPLAY;
  const child = spawn(EXE, ['--folder', folder, '--headless', '--browser', '/usr/bin/chromium',
    'short.txt'], { stdio: ['pipe', 'pipe', 'pipe'], env });
  let stdout = '';
  child.stdout.on('data', (d) => { stdout += d; });
  child.stdin.end('SHEADLESS\n');
  const exited = new Promise((resolve) => child.on('exit', (code) => resolve(code)));
  // The launched browser is the program's child.
  let browserPid;
  for (let i = 0; i < 100 && !browserPid; i++) {
    await new Promise((r) => setTimeout(r, 100));
    browserPid = (await children(child.pid))[0];
  }
  assert.ok(browserPid, 'no browser was launched');
  const cmdline = (await fs.readFile(`/proc/${browserPid}/cmdline`, 'utf8')).split('\0');
  assert.ok(cmdline.includes('--headless'), cmdline.join(' '));
  const profile = cmdline.find((a) => a.startsWith('--user-data-dir=')).slice(16);
  // Give it time to show the start page, then end the browser.
  await new Promise((r) => setTimeout(r, 2000));
  const killed = Date.now();
  process.kill(browserPid, 'SIGKILL');
  const code = await Promise.race([exited,
    new Promise((resolve) => setTimeout(() => resolve('still running'), 5000))]);
  const took = Date.now() - killed;
  if (code === 'still running') child.kill('SIGKILL');
  assert.equal(code, 0);
  assert.ok(took < 2000, `the program took ${took} ms to end`);
  assert.equal(stdout, '', 'no address is printed when a window was launched');
  await assert.rejects(fs.access(profile), 'the temporary profile is removed');
});

test('SIGTERM ends the program', async () => {
  const folder = await programFolder(3);
  const run = await startProgram(folder, ['--no-browser'], 'SSIGNAL');
  await run.first;
  run.child.kill('SIGTERM');
  const code = await Promise.race([run.exited,
    new Promise((resolve) => setTimeout(() => resolve('still running'), 5000))]);
  if (code === 'still running') run.child.kill('SIGKILL');
  assert.equal(code, 0, run.stderr());
});
