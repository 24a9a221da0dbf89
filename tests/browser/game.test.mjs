// The real program end to end: whole short games in headless Chromium against
// log.csv and time.csv, the launch path with --headless, and SIGTERM.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { launchChromium } from './lib/chromium.mjs';

const { VOLLETA_EXE: EXE, VOLLETA_PROGRAM_DIR: PROGRAM_DIR } = process.env;
const THROWS = 6;
const folders = [];
let browser;

before(async () => { browser = await launchChromium(); });

after(async () => {
  await browser?.close();
  for (const folder of folders) await fs.rm(folder, { recursive: true, force: true });
});

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
// `promise`'s value, or 'timeout' after `ms`.
const within = (promise, ms) => Promise.race([promise, sleep(ms).then(() => 'timeout')]);

// Starts the program on a copy of the program folder with a short game.
async function start(players, args, subject, env = process.env) {
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

  const child = spawn(EXE, ['--folder', folder, ...args, 'short.txt'], { env });
  let stderr = '';
  child.stderr.on('data', (d) => { stderr += d; });
  child.stdin.end(`${subject}\n`);
  const exited = new Promise((resolve) => child.on('exit', resolve));
  const firstLine = new Promise((resolve) =>
    readline.createInterface({ input: child.stdout }).once('line', resolve));
  // The exit code once the program has ended, or 'timeout' (and it is killed).
  const ends = async (ms) => {
    const code = await within(exited, ms);
    if (code === 'timeout') child.kill('SIGKILL');
    return code;
  };
  return { folder, child, firstLine, ends, stderr: () => stderr };
}

for (const [players, method] of [[3, 'click'], [4, 'keys']]) {
  test(`a ${players}-player game, the subject throwing by ${method}`, async () => {
    const subject = `S${players}${method}`;
    const run = await start(players, ['--no-browser'], subject);
    const url = await run.firstLine;
    assert.match(url, /^http:\/\/127\.0\.0\.1:\d+\/[0-9a-f]{32}\/html\/start\.htm$/);
    const page = await browser.newPage();
    const shown = [];  // the throws the pages' pictures showed, as "XtoY"
    let subjectThrows = 0;
    let end;
    const ended = new Promise((resolve) => { end = resolve; });
    // Every page reports itself once loaded: its throw picture and the
    // players the subject may throw to when holding the ball.
    await page.exposeBinding('reportPage', async (_source, info) => {
      if (info.path.endsWith('/thankyou.htm')) end();
      if (!info.path.endsWith('/quindle.htm')) return;
      const picture = /(\d)to(\d)\.gif$/.exec(info.picture ?? '');
      if (picture) shown.push(`${picture[1]}to${picture[2]}`);
      if (info.targets.length === 0) return;
      // The subject throws to the others in turn, so every target is used.
      const target = info.targets[subjectThrows++ % info.targets.length];
      const thrown = method === 'click' ? page.click(`td.player.p${target} a`, { timeout: 5000 })
        : page.keyboard.press(String(target));
      await thrown.catch((e) => end(String(e)));
    });
    await page.addInitScript(() => addEventListener('load', () => {
      const targets = [1, 3, 4].filter((n) => document.querySelector(`a[href="2to${n}.htm"]`) &&
        document.querySelector(`td.player.p${n}`)?.offsetParent !== null);
      window.reportPage({ path: location.pathname, targets,
        picture: document.querySelector('img.throw')?.getAttribute('src') });
    }));
    await page.goto(url);
    await page.click('a.button');  // the start page's way to the connecting screen
    assert.equal(await within(ended, 60000), undefined, `the game did not end well; saw ${shown}`);
    assert.match(page.url(), /\/thankyou\.htm$/);
    assert.ok(shown.length >= THROWS && subjectThrows >= 1, `throws shown: ${shown}`);
    // Each throw passes the ball on from whoever caught the one before.
    shown.forEach((t, i) => {
      assert.ok(t[0] !== t[3] && t[0] <= players && t[3] <= players, `throw ${t}`);
      if (i > 0) assert.equal(t[0], shown[i - 1][3], `throws ${shown[i - 1]} then ${t}`);
    });

    // The rows appended for this game: the receivers the browser saw, in time order.
    const files = await Promise.all(['log.csv', 'time.csv'].map((name) =>
      fs.readFile(path.join(run.folder, 'log', name), 'latin1')));
    const [log, time] = files.map((text) => text.trim().split(/\r?\n/).pop().split(','));
    assert.ok(log.includes(subject) && time.includes(subject), `rows ${log} / ${time}`);
    assert.equal(log.slice(-THROWS).join(''), shown.slice(0, THROWS).map((t) => t[3]).join(''));
    const times = time.slice(-THROWS).map(Number);
    assert.ok(times.every((t, i) => Number.isFinite(t) && (i === 0 || t >= times[i - 1])),
      `times ${times}`);

    // Closing the page ends the program (after the grace for a page that comes back).
    await page.close();
    assert.equal(await run.ends(15000), 0, run.stderr());
  });
}

test('with --headless the program launches the browser and ends within 2 s of it', async () => {
  const env = { ...process.env, DISPLAY: '', WAYLAND_DISPLAY: '' };
  const run = await start(3, ['--headless', '--browser', '/usr/bin/chromium'], 'SHEADLESS', env);
  // The launched browser is the program's child.
  let pid;
  for (let i = 0; i < 100 && !pid; i++) {
    await sleep(100);
    const children = `/proc/${run.child.pid}/task/${run.child.pid}/children`;
    pid = parseInt(await fs.readFile(children, 'utf8'), 10);
  }
  assert.ok(pid, 'no browser was launched');
  const args = (await fs.readFile(`/proc/${pid}/cmdline`, 'utf8')).split('\0');
  const profile = args.find((a) => a.startsWith('--user-data-dir=')).slice(16);
  await sleep(2000);  // time to show the start page: the browser ending before is no quit
  const killed = Date.now();
  process.kill(pid, 'SIGKILL');
  assert.equal(await run.ends(5000), 0, run.stderr());
  const took = Date.now() - killed;
  assert.ok(took < 2000, `the program took ${took} ms to end`);
  assert.equal(await within(run.firstLine, 0), 'timeout', 'no address printed with a window');
  await assert.rejects(fs.access(profile), 'the temporary profile is removed');
});

test('SIGTERM ends the program', async () => {
  const run = await start(3, ['--no-browser'], 'SSIGNAL');
  await run.firstLine;
  run.child.kill('SIGTERM');
  assert.equal(await run.ends(5000), 0, run.stderr());
});
