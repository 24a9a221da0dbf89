// The real program on a copy of the program folder with a short game, for the
// whole-game tests in either browser.
import assert from 'node:assert/strict';
import { spawn, execFileSync } from 'node:child_process';
import { mkdtempSync } from 'node:fs';
import fs from 'node:fs/promises';
import path from 'node:path';
import readline from 'node:readline';

const { VOLLETA_EXE: EXE, VOLLETA_PROGRAM_DIR: PROGRAM_DIR } = process.env;
// The program through its runner when one is named (the Windows build: wine).
export const RUNNER = process.env.VOLLETA_RUNNER;
export const command = (args) => (RUNNER ? [RUNNER, [EXE, ...args]] : [EXE, args]);
export const THROWS = 6;
// The first frame of every test animation lasts this long; its second, last
// frame is black.
export const FIRST_FRAME_MS = 400;

// The environment for one run of the program under `root`: no display, and a
// home and per-user settings folder of its own, never the user's. Under Wine
// the settings are in its own prefix, the home is left as Wine knows it.
export function ownEnvironment(root) {
  const home = mkdtempSync(path.join(root, 'home-'));
  return { ...process.env, DISPLAY: '', WAYLAND_DISPLAY: '', XDG_CONFIG_HOME: path.join(home, '.config'),
    ...(RUNNER ? {} : { HOME: home, XDG_CACHE_HOME: path.join(home, '.cache') }) };
}

// A wait that does not keep node running once everything else is done.
export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms).unref());
// `promise`'s value, or 'timeout' after `ms`.
export const within = (promise, ms) => Promise.race([promise, sleep(ms).then(() => 'timeout')]);

// The colour of the first frame of the animation "XtoY" (start: X = Y = 0).
export const firstFrameColour = (x, y) => [40 * x + 20, 40 * y + 20, 200];

// A two-frame GIF of one pixel: `colour` for FIRST_FRAME_MS, then black; it
// plays once.
function twoFrameGif(colour) {
  const delay = FIRST_FRAME_MS / 10;
  const frame = (delayCs, lzw) => [0x21, 0xf9, 4, 0, delayCs & 255, delayCs >> 8, 0, 0,
    0x2c, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, lzw, 0x01, 0];
  return Buffer.from([...Buffer.from('GIF89a'), 1, 0, 1, 0, 0xf0, 0, 0, ...colour, 0, 0, 0,
    ...frame(delay, 0x44), ...frame(0, 0x4c), 0x3b]);
}

async function copyProgram(folder, players, delay) {
  await Promise.all(['html', 'settings', 'schedules'].map((sub) =>
    fs.cp(path.join(PROGRAM_DIR, sub), path.join(folder, sub), { recursive: true })));
  const schedule = players === 3 ? '1, 2323\r\n3, 2121\r\n' : '1, 234\r\n3, 214\r\n4, 231\r\n';
  await fs.writeFile(path.join(folder, 'schedules', 'short.txt'), schedule);
  await addSettings(folder, players, 'short', { delay });
}

// A new copy of the program folder under `root` with the short game.
export async function programFolder(root, players, delay = '0.1,0.2') {
  const folder = await fs.mkdtemp(path.join(root, 'run-'));
  await copyProgram(folder, players, delay);
  return folder;
}

// Settings `<name>.txt` for a short game in `folder`, the computer players'
// names ending in `tag` (a station's own game).
export async function addSettings(folder, players, name, { delay = '0.1,0.2', tag = '' } = {}) {
  const settings = await fs.readFile(
    path.join(PROGRAM_DIR, 'settings', `${players}pl - include subject.txt`), 'latin1');
  await fs.writeFile(path.join(folder, 'settings', `${name}.txt`), settings
    .replace(/^(Number of throws in the game,).*$/m, `$1${THROWS}`)
    .replace(/^(Schedule file[^,]*,).*$/m, '$1short.txt')
    .replace(/^(Delay between throws[^,]*,).*$/m, `$1${delay}`)
    .replace(/^(Player [134][^,]*,[^,]*)/gm, `$1${tag}`), 'latin1');
}

// Starts the program with no display. `animations`: replace the throw
// animations by two-frame ones whose first frame tells which throw it is.
// `folder`: a program folder already made (shared with other runs), and
// `settings` the name of its settings file to run.
export async function start(root, players, args, subject,
  { animations = false, delay = '0.1,0.2', folder, settings = 'short.txt' } = {}) {
  folder ??= await programFolder(root, players, delay);
  if (animations) {
    for (const dir of ['3player', '4player']) {
      const anim = path.join(folder, 'html', 'anim', dir);
      for (const name of await fs.readdir(anim)) {
        const m = /^(\d)to(\d)\.gif$/.exec(name);
        const colour = m ? firstFrameColour(Number(m[1]), Number(m[2])) : firstFrameColour(0, 0);
        await fs.writeFile(path.join(anim, name), twoFrameGif(colour));
      }
    }
  }

  const child = spawn(...command(['--folder', folder, ...args, settings]),
    { env: ownEnvironment(root), stdio: ['pipe', 'pipe', 'pipe'] });
  child.stderr.pipe(process.stderr);
  let stderr = '';
  child.stderr.on('data', (chunk) => { stderr += chunk; });
  // Resolves at the first line of standard error that matches.
  const says = (pattern) => new Promise((resolve) => readline.createInterface({ input: child.stderr })
    .on('line', (line) => pattern.test(line) && resolve(line)));
  child.stdin.end(`${subject}\n`);
  // The exit status, or the signal that ended it.
  const exited = new Promise((resolve) =>
    child.on('exit', (code, signal) => resolve(code ?? signal)));
  // Checks that the program ends with status 0; the limit only catches a hang.
  const ends = () => within(exited, 60000).then((code) => {
    if (code === 'timeout') child.kill('SIGKILL');
    assert.equal(code, 0);
  });
  let stdout = '';
  child.stdout.on('data', (chunk) => { stdout += chunk; });
  const firstLine = new Promise((resolve) =>
    readline.createInterface({ input: child.stdout }).once('line', resolve));
  return { folder, players, child, firstLine, ends, exited, says, stdout: () => stdout,
    stderr: () => stderr };
}

// The rows of a log, each with its line end; the file must end with one.
export async function rows(folder, name) {
  const text = await fs.readFile(path.join(folder, 'log', name), 'latin1').catch(() => '');
  assert.ok(text === '' || text.endsWith('\r\n'), `${name} ends in a partial row`);
  return text.split(/(?<=\r\n)/).filter(Boolean);
}

// The run's one game's three rows (one game per run): the receivers, times
// and onsets of its logged throws. Every throw has its onset (with
// `someOnsets`, at least one does), none before the page was sent for (`staged`:
// a subject's picture, shown on the click, before the previous throw's stamp).
// Every throw the terminal showed was made by the player holding the ball.
export async function checkLogs(run, subject, { someOnsets = false, staged = false } = {}) {
  let holder = 1;
  for (const [line, from, to] of run.stderr()
    .matchAll(/\] (?:throw \d+ of \d+|extra throw [^:]*): Player (\d) to Player (\d)/g)) {
    assert.equal(Number(from), holder, line);
    holder = Number(to);
  }
  const [log, time, onset] = await Promise.all(['log.csv', 'time.csv', 'onset.csv']
    .map(async (name) => {
      const all = await rows(run.folder, name);
      assert.equal(all.length, 1, `${name}: ${all}`);
      return all[0].trimEnd().split(',');
    }));
  for (const row of [log, time, onset]) {
    assert.equal(row.length, 12 + THROWS, `row ${row}`);
    assert.equal(row[0], subject);
  }
  assert.deepEqual(onset.slice(0, 12), time.slice(0, 12));
  const times = time.slice(12).map(Number);
  assert.ok(times.every((t, i) => t >= (times[i - 1] ?? 0)), `times ${times}`);
  if (someOnsets) assert.ok(onset.slice(12).some((v) => v !== ''), `onsets ${onset.slice(12)}`);
  onset.slice(12).forEach((value, i) => {
    if (someOnsets && value === '') return;
    assert.match(value, /^\d+$/, `onsets ${onset.slice(12)}`);
    // The subject's throws are stamped at the click, before their pages are
    // sent for; a computer's throw just after its page was sent for, so under
    // load it may already be on screen (never before the previous throw).
    const bound = log[12 + i - 1] === '2' && !staged ? times[i] : times[i - 1] ?? 0;
    assert.ok(Number(value) >= bound, `onset ${value} of throw ${i + 1} before ${bound}`);
  });
  return { receivers: log.slice(12).map(Number), times };
}

// The page file the program composes for throw `n` (0: the opening page) of
// a game whose receivers were `receivers`, from a copy of the run's folder.
export async function composedPages(run, receivers) {
  const folder = `${run.folder}-compose`;
  await copyProgram(folder, run.players, '0.1,0.2');
  const pages = [];
  for (let n = 0; n <= receivers.length; n++) {
    const thrower = n === 0 ? 2 : n === 1 ? 1 : receivers[n - 2] || 1;
    const kind = n === 0 ? 'opening' : thrower === 2 ? 'subject' : 'computer';
    execFileSync(process.env.VOLLETA_COMPOSE_EXPERIMENT_PAGE,
      [folder, 'short.txt', kind, thrower, n === 0 ? 0 : receivers[n - 1], Math.max(0, n - 1)]
        .map(String));
    pages.push({ thrower, receiver: n === 0 ? 0 : receivers[n - 1],
      text: await fs.readFile(path.join(folder, 'html', 'quindle.htm'), 'utf8') });
  }
  return pages;
}

// What a page shows, comparable between a live document and a parsed page
// file: title, head scripts, body with the throw picture's address and timing
// mark left out, and the server's own script (and the line breaks around it)
// dropped. Runs in the browser.
export function shownMarkup(doc) {
  const body = doc.body.cloneNode(true);
  body.querySelectorAll('script').forEach((s) => /EventSource/.test(s.text) && s.remove());
  const picture = body.querySelector('img.throw');
  picture?.removeAttribute('src');
  picture?.removeAttribute('elementtiming');
  return JSON.stringify({ title: doc.title, body: body.innerHTML.trimEnd(),
    scripts: [...doc.head.querySelectorAll('script')].map((s) => s.text) });
}

// Plays the subject in `page` until the thank-you page: throw n goes to
// `target(n)`, Players 1 and 3 in turn by default. The extra throw after the
// last logged one may end the game under the click.
export async function throwUntilEnd(page, { target = (n) => (n % 2 ? 3 : 1) } = {}) {
  for (let n = 0; ; n++) {
    const state = await (await page.waitForFunction(() => {
      if (location.pathname.endsWith('/thankyou.htm')) return 'end';
      return document.querySelector('a[href^="2to"]') && !document.body.dataset.thrown && 'hold';
    }, null, { timeout: 60000, polling: 50 })).jsonValue();
    if (state === 'end') return;
    await page.evaluate(() => { document.body.dataset.thrown = '1'; });
    await Promise.race([page.click(`td.player.p${target(n)} a`, { timeout: 60000 }),
      page.waitForURL(/thankyou\.htm$/, { timeout: 60000 })]).catch(() => {});
  }
}
