// The real program end to end: whole short games in headless Chromium against
// log.csv and time.csv, SIGTERM, and the launch path with --headless.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { launchChromium } from './lib/chromium.mjs';

const { VOLLETA_EXE: EXE, VOLLETA_PROGRAM_DIR: PROGRAM_DIR } = process.env;
const THROWS = 6;
const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-game-'));
const browser = await launchChromium();
after(() => Promise.all([browser.close(), fs.rm(root, { recursive: true, force: true })]));

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
// `promise`'s value, or 'timeout' after `ms`.
const within = (promise, ms) => Promise.race([promise, sleep(ms).then(() => 'timeout')]);

// Starts the program on a copy of the program folder with a short game, with no display.
async function start(players, args, subject) {
  const folder = await fs.mkdtemp(path.join(root, 'run-'));
  await Promise.all(['html', 'settings', 'schedules'].map((sub) =>
    fs.cp(path.join(PROGRAM_DIR, sub), path.join(folder, sub), { recursive: true })));
  const schedule = players === 3 ? '1, 2323\r\n3, 2121\r\n' : '1, 234\r\n3, 214\r\n4, 231\r\n';
  await fs.writeFile(path.join(folder, 'schedules', 'short.txt'), schedule);
  const settings = await fs.readFile(
    path.join(PROGRAM_DIR, 'settings', `${players}pl - include subject.txt`), 'latin1');
  await fs.writeFile(path.join(folder, 'settings', 'short.txt'), settings
    .replace(/^(Number of throws in the game,).*$/m, `$1${THROWS}`)
    .replace(/^(Schedule file[^,]*,).*$/m, '$1short.txt')
    .replace(/^(Delay between throws[^,]*,).*$/m, '$10.1,0.2'), 'latin1');

  const env = { ...process.env, DISPLAY: '', WAYLAND_DISPLAY: '' };
  const child = spawn(EXE, ['--folder', folder, ...args, 'short.txt'],
    { env, stdio: ['pipe', 'pipe', 'pipe'] });
  child.stderr.pipe(process.stderr);
  // Resolves at the first line of standard error that matches.
  const says = (pattern) => new Promise((resolve) => readline.createInterface({ input: child.stderr })
    .on('line', (line) => pattern.test(line) && resolve(line)));
  child.stdin.end(`${subject}\n`);
  const exited = new Promise((resolve) => child.on('exit', resolve));
  // Checks that the program ends with status 0; the limit only catches a hang.
  const ends = () => within(exited, 60000).then((code) => {
    if (code === 'timeout') child.kill('SIGKILL');
    assert.equal(code, 0);
  });
  let stdout = '';
  child.stdout.on('data', (chunk) => { stdout += chunk; });
  const firstLine = new Promise((resolve) =>
    readline.createInterface({ input: child.stdout }).once('line', resolve));
  return { folder, child, firstLine, ends, says, stdout: () => stdout };
}

for (const [players, method] of [[3, 'click'], [4, 'keys']]) {
  test(`a ${players}-player game, the subject throwing by ${method}`, async () => {
    const subject = `S${players}${method}`;
    const run = await start(players, ['--no-browser'], subject);
    const url = await run.firstLine;
    assert.match(url, /^http:\/\/127\.0\.0\.1:\d+\/[0-9a-f]{32}\/html\/start\.htm$/);
    const page = await browser.newPage();
    const targets = players === 3 ? [1, 3] : [1, 3, 4];  // thrown to in turn
    const shown = [];  // the throws the pages' pictures showed, as "XtoY"
    let subjectThrows = 0;
    let end;
    const ended = new Promise((resolve) => { end = resolve; });
    // Every loaded page reports its throw picture and whether the subject holds the ball.
    await page.exposeBinding('reportPage', async (_source, { where, picture, holding }) => {
      if (where.endsWith('/thankyou.htm')) end();
      if (!where.endsWith('/quindle.htm')) return;
      if (picture) shown.push(picture);
      if (!holding) return;
      const target = targets[subjectThrows++ % targets.length];
      await (method === 'click' ? page.click(`td.player.p${target} a`, { timeout: 5000 })
        : page.keyboard.press(String(target))).catch((e) => end(String(e)));
    });
    await page.addInitScript(() => addEventListener('load', () => window.reportPage({
      where: location.pathname,
      picture: /\dto\d(?=\.gif$)/.exec(document.querySelector('img.throw')?.src)?.[0],
      holding: document.querySelector('a[href^="2to"]') !== null,
    })));
    await page.goto(url);
    await page.click('a.button');  // the start page's way to the connecting screen
    assert.equal(await within(ended, 60000), undefined, `no thank-you page; saw ${shown}`);
    assert.ok(shown.length >= THROWS && subjectThrows >= 1, `throws shown: ${shown}`);
    // Each throw passes the ball on from whoever caught the one before.
    shown.forEach((t, i) => assert.ok(t[0] !== t[3] && (i === 0 || t[0] === shown[i - 1][3]),
      `throws ${shown}`));
    // The rows appended for this game: the receivers the browser saw, in time order.
    const [log, time] = await Promise.all(['log.csv', 'time.csv'].map(async (name) => {
      const text = await fs.readFile(path.join(run.folder, 'log', name), 'latin1');
      return text.trim().split(/\r?\n/).pop().split(',');
    }));
    assert.ok(log.includes(subject) && time.includes(subject), `rows ${log} / ${time}`);
    assert.equal(log.slice(-THROWS).join(''), shown.slice(0, THROWS).map((t) => t[3]).join(''));
    const times = time.slice(-THROWS).map(Number);
    assert.ok(times.every((t, i) => t >= (times[i - 1] ?? 0)), `times ${times}`);
    // Closing the page ends the program (after its grace for a page to return); so does SIGTERM.
    if (players === 3) await page.close();
    else run.child.kill('SIGTERM');
    await run.ends();
  });
}

test('with --headless the program launches the browser and ends when it does', async () => {
  const run = await start(3, ['--headless', '--browser', '/usr/bin/chromium'], 'SHEADLESS');
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
