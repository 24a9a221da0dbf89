// Latency of the game window in headless Chromium with the real program, for
// each display path in one run (PATHS below): the default (staged), `swap_`
// and `navigate_`, and the default path again through a relay on the loopback
// that delays each direction by 40 ± 10 ms, as an online participant's
// network would (`net_`). Every computer throw goes to the subject, who
// answers at once. For each path:
//  - tick_to_onset: a computer throw's picture presented (the onset) less the
//    throw's stamp in time.csv; p50 signed, p99 and max of its absolute value;
//  - ttl_to_onset: the same onset less the moment the throw's TTL code was
//    written (--port-log), computer throws only; p50 signed, p99 absolute;
//  - click_to_onset: the subject's throw's onset less the click's own time in
//    the page (the event's timeStamp): what the participant sees after the click;
//  - click_stamp_to_onset: that onset less the program's stamp of the throw;
//  - onset_report_error: |the onset the program logged in onset.csv less the
//    onset measured here|, the one figure that reads onset.csv;
//  - onset_logged_share_pct / presented_share_pct: the throws with a logged
//    onset / with a measured one (a page replaced before it was presented, in
//    the navigate path, has none).
// The onset is the page's Element Timing renderTime of the throw picture.
// Everything is put on node's clock: the page's times through the wall clock
// (performance.timeOrigin), as node's own are; the port log counts from the
// program's start, placed by each throw's terminal line, which follows its
// code (so within the terminal's delay, a fraction of a millisecond); time.csv
// and onset.csv count whole milliseconds from the game's start, placed by the
// one offset that puts no code before its throw's stamp (the code is written
// right after the stamp is read).
// Once: startup_to_start_page_ms (start with a settings name and a subject ID
// on standard input, so including the one-second pause, to the start page
// having been served, median of 5 starts) and game_rss_max_mb (the program's
// peak resident memory over any game).
// Prints "name value" lines.
import { spawn, execFileSync } from 'node:child_process';
import fs from 'node:fs/promises';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { performance } from 'node:perf_hooks';
import { launchChromium, CHROMIUM_ARGS } from '../tests/e2e/lib/chromium.mjs';
import { ownEnvironment } from '../tests/e2e/lib/game_run.mjs';
import { startRelay, localhostTo } from './relay.mjs';

const EXE = process.env.VOLLETA_EXE;
const PROGRAM_DIR = process.env.VOLLETA_PROGRAM_DIR;
const SUBJECT_THROWS = Number(process.env.BENCH_SUBJECT_THROWS) || 150;
const TOTAL = 2 * SUBJECT_THROWS + 2;

// `display`: the --display value, left out for the default; `share`: the part
// of the throws that must have been measured; `delay`: the settings' delay
// between throws (fixed part, random extra, in seconds). Through the relay a
// staged throw needs two round trips (the page, its answer, the go) before its
// moment, so that game keeps the bundled studies' shortest delay, 0.5 s.
const PATHS = [
  { prefix: '', display: 'staged' },
  { prefix: 'swap_', display: 'swap' },
  { prefix: 'navigate_', display: 'navigate', share: 0.4 },
  { prefix: 'net_', display: 'staged', relay: true, delay: '0.5,0.2' },
];

// Node's clock in milliseconds, and the wall clock less it.
const mono = () => Number(process.hrtime.bigint()) / 1e6;
const WALL_LESS_MONO = performance.timeOrigin + performance.now() - mono();
const fromWall = (wall) => wall - WALL_LESS_MONO;

const quantile = (values, q) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.min(sorted.length - 1, Math.ceil(q * sorted.length) - 1)];
};
const print = (name, value) => console.log(`${name} ${value.toFixed(1)}`);

async function programFolder(delay = '0.1,0.2') {
  const folder = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-bench-'));
  for (const sub of ['html', 'settings', 'schedules']) {
    await fs.cp(path.join(PROGRAM_DIR, sub), path.join(folder, sub), { recursive: true });
  }
  // Every computer throw goes to the subject, who answers every one.
  const line = '2'.repeat(SUBJECT_THROWS + 2);
  await fs.writeFile(path.join(folder, 'schedules', 'bench.txt'), `1, ${line}\r\n3, ${line}\r\n`);
  const settings = await fs.readFile(
    path.join(PROGRAM_DIR, 'settings', '3pl - include subject.txt'), 'latin1');
  await fs.writeFile(path.join(folder, 'settings', 'bench.txt'), settings
    .replace(/^(Number of throws in the game,).*$/m, `$1${TOTAL}`)
    .replace(/^(Schedule file[^,]*,).*$/m, '$1bench.txt')
    .replace(/^(Delay between throws[^,]*,).*$/m, `$1${delay}`), 'latin1');
  // Markers on, each code nonzero so that the pulses' ends (0) stand apart.
  await fs.writeFile(path.join(folder, 'ttl.txt'), '1,11\r\n2,12\r\n3,13\r\n4,14\r\n888\r\n5\r\n');
  return folder;
}

function start(folder, subject, args = []) {
  const child = spawn(EXE, ['--folder', folder, '--no-browser', ...args, 'bench.txt'],
    { stdio: ['pipe', 'pipe', 'pipe'], env: ownEnvironment(folder) });
  child.stdin.end(`${subject}\n`);
  const url = new Promise((resolve) => readline.createInterface({ input: child.stdout })
    .once('line', resolve));
  const exited = new Promise((resolve) => child.on('exit', resolve));
  return { child, url, exited };
}

function fetchDocument(url) {
  return new Promise((resolve, reject) => {
    http.get(url, { headers: { 'Sec-Fetch-Dest': 'document', Accept: 'text/html' } }, (res) => {
      res.resume();
      res.on('end', resolve);
    }).on('error', reject);
  });
}

async function peakRssMb(pid) {
  const status = await fs.readFile(`/proc/${pid}/status`, 'utf8');
  return Number(/VmHWM:\s+(\d+) kB/.exec(status)[1]) / 1024;
}

async function startup(folder) {
  const times = [];
  for (let i = 0; i < 5; i++) {
    const t0 = mono();
    const run = start(folder, `SSTART${i}`, ['--port-log', path.join(folder, 'start.log')]);
    await fetchDocument(await run.url);
    times.push(mono() - t0);
    run.child.kill('SIGTERM');
    await run.exited;
  }
  return quantile(times, 0.5);
}

const lastRow = async (folder, name) =>
  (await fs.readFile(path.join(folder, 'log', name), 'latin1')).trim().split(/\r?\n/).pop()
    .split(',').slice(12).map((v) => (v === '' ? null : Number(v)));

// The moments the catches' codes were written, in throw order, on the port
// log's clock.
const codesWritten = async (file) => (await fs.readFile(file, 'utf8')).trim().split('\n')
  .map((line) => line.split(' ').map(Number)).filter(([, , value]) => value !== 0)
  .map(([at]) => at);

// One game; every presentation of a throw picture is taken from the page.
async function game(folder, args, { relay: relayed = false } = {}) {
  const portLog = path.join(folder, 'port.log');
  const run = start(folder, 'SBENCH', [...args, '--port-log', portLog]);
  const reported = [];  // each throw's terminal line: its arrival and thrower, in throw order
  readline.createInterface({ input: run.child.stderr }).on('line', (line) => {
    const m = /throw (\d+) of \d+: Player (\d)/.exec(line);
    if (m) reported[Number(m[1])] = { at: mono(), thrower: Number(m[2]) };
  });
  let url = await run.url;
  let relay = null;
  if (relayed) {
    const port = Number(new URL(url).port);
    relay = await startRelay({ host: '127.0.0.1', port });
    url = url.replace('//127.0.0.1:', '//localhost:');
  }
  const browser = await launchChromium(relay ? { args: [...CHROMIUM_ARGS, localhostTo(relay)] } : {});
  const page = await browser.newPage();
  const presented = [];  // each throw picture's presentation and throw ("1to2"), in order
  const clicks = [];  // the subject's clicks
  let subjectThrows = 0;
  let rss = 0;
  let finish;
  const done = new Promise((resolve) => { finish = resolve; });
  let lastEvent = mono();
  const click = () => page.click(`td.player.p${++subjectThrows % 2 ? 1 : 3} a`).catch(() => {});
  // A page left waiting (a click lost in a navigation, a picture never
  // reported) gets its click after 3 s without news.
  const watchdog = setInterval(async () => {
    if (mono() - lastEvent < 3000) return;
    lastEvent = mono();
    const holds = await page.evaluate(() =>
      !!document.querySelector('td.player.p1 a[href="2to1.htm"]')).catch(() => false);
    if (holds) await click();
  }, 1000);
  await page.exposeBinding('clicked', (_source, at) => { clicks.push(fromWall(at)); lastEvent = mono(); });
  await page.exposeBinding('presentedAt', (_source, info) => {
    lastEvent = mono();
    presented.push({ ...info, at: fromWall(info.at) });
  });
  await page.exposeBinding('holding', async () => {
    lastEvent = mono();
    if (subjectThrows >= SUBJECT_THROWS + 1) return;
    if (subjectThrows % 50 === 0) rss = Math.max(rss, await peakRssMb(run.child.pid));
    await click();
  });
  await page.exposeBinding('ended', () => finish());
  await page.addInitScript(() => {
    if (location.pathname.endsWith('/thankyou.htm')) window.ended();
    const holds = () => !!document.querySelector('td.player.p1 a[href="2to1.htm"]');
    // The subject answers a throw once its picture was presented and the
    // page offers the players to throw to (in either order).
    let thrownTo = false, clicked = false;
    const answer = () => {
      if (!thrownTo || !holds()) return;
      thrownTo = false;
      window.holding();
    };
    addEventListener('click', (e) => {
      clicked = true;
      window.clicked(performance.timeOrigin + e.timeStamp);
    }, true);
    addEventListener('load', () => {
      // Staged, the players may be offered after the picture, by a swap or a change in place.
      new MutationObserver(answer).observe(document.documentElement,
        { childList: true, subtree: true, attributes: true });
      // A loaded page whose picture was never reported (rare) still gets its click.
      setTimeout(() => holds() && !clicked && window.holding(), 2000);
    });
    // Which animation each blob: URL holds: the page shows fetched copies.
    const fetched = new WeakMap(), sources = new Map();
    const blob = Response.prototype.blob;
    Response.prototype.blob = function () {
      return blob.call(this).then((b) => { fetched.set(b, this.url); return b; });
    };
    const createObjectURL = URL.createObjectURL;
    URL.createObjectURL = (object) => {
      const url = createObjectURL.call(URL, object);
      if (fetched.has(object)) sources.set(url, fetched.get(object));
      return url;
    };
    new PerformanceObserver((list) => list.getEntries().forEach((entry) => {
      if (entry.identifier !== 'throw' || !(entry.renderTime > 0)) return;
      const picture = /(\d)to(\d)\.gif$/.exec(sources.get(entry.url) ?? entry.url);
      const key = picture ? `${picture[1]}to${picture[2]}` : 'start';
      window.presentedAt({ at: performance.timeOrigin + entry.renderTime, key });
      thrownTo = key.endsWith('to2');
      answer();
    })).observe({ type: 'element', buffered: true });
  });
  await page.goto(url);
  await page.click('a.button');
  await done;
  clearInterval(watchdog);
  rss = Math.max(rss, await peakRssMb(run.child.pid));
  await browser.close();
  await relay?.close();
  run.child.kill('SIGTERM');
  await run.exited;

  const [times, onsets, receivers] = (await Promise.all(['time.csv', 'onset.csv', 'log.csv']
    .map((name) => lastRow(folder, name))));
  // The program's start on node's clock: each throw's terminal line comes
  // after its code was written. The game's start on the port log's clock: each
  // code is written right after its stamp is read (the stamp in whole
  // milliseconds of the same clock).
  const written = await codesWritten(portLog);
  if (written.length < TOTAL) throw new Error(`${written.length} codes written for ${TOTAL} throws`);
  const programStart = Math.min(...times.map((_, i) => reported[i + 1].at - written[i]));
  const gameStart = programStart + Math.min(...times.map((t, i) => written[i] - t));
  const stamps = times.map((t) => gameStart + t);
  // Throws go to the presentations in order, by their pictures: a page
  // replaced before it was presented (in the navigate path) has none.
  const ticks = [], ttls = [], clickLags = [], clickStamps = [], errors = [];
  let p = 1;  // presented[0] is the opening page
  let previous = null;
  for (let n = 1; n <= TOTAL; n++) {
    const { thrower } = reported[n];
    const stamp = stamps[n - 1];
    const key = `${thrower}to${receivers[n - 1]}`;
    // A second entry for the throw before (consecutive throws differ) is skipped.
    while (presented[p] && presented[p].key !== key && presented[p].key === previous) p++;
    previous = key;
    if (presented[p]?.key !== key) continue;
    const shown = presented[p++].at;
    if (thrower === 2) {
      // The stamp is read after the click, and kept in whole milliseconds.
      const click = clicks.filter((c) => c < stamp + 1).pop();
      if (click) clickLags.push(shown - click);
      clickStamps.push(shown - stamp);
    } else {
      ticks.push(shown - stamp);
      ttls.push(shown - (programStart + written[n - 1]));
    }
    if (onsets[n - 1] !== null) errors.push(Math.abs(gameStart + onsets[n - 1] - shown));
  }
  return { ticks, ttls, clicks: clickLags, clickStamps, errors, rss,
    logged: onsets.filter((o) => o !== null).length };
}

const abs = (values) => values.map(Math.abs);
const figures = (prefix, g) => {
  print(`${prefix}tick_to_onset_p50_ms`, quantile(g.ticks, 0.5));
  print(`${prefix}tick_to_onset_p99_ms`, quantile(abs(g.ticks), 0.99));
  print(`${prefix}tick_to_onset_max_ms`, Math.max(...abs(g.ticks)));
  print(`${prefix}ttl_to_onset_p50_ms`, quantile(g.ttls, 0.5));
  print(`${prefix}ttl_to_onset_p99_ms`, quantile(abs(g.ttls), 0.99));
  print(`${prefix}click_to_onset_p50_ms`, quantile(g.clicks, 0.5));
  print(`${prefix}click_to_onset_p99_ms`, quantile(g.clicks, 0.99));
  print(`${prefix}click_to_onset_max_ms`, Math.max(...g.clicks));
  print(`${prefix}click_stamp_to_onset_p50_ms`, quantile(g.clickStamps, 0.5));
  print(`${prefix}onset_report_error_p99_ms`, quantile(g.errors, 0.99));
  print(`${prefix}onset_logged_share_pct`, (100 * g.logged) / TOTAL);
  print(`${prefix}presented_share_pct`, (100 * (g.ticks.length + g.clickStamps.length)) / TOTAL);
};

// A path this build does not have runs as the default, and says so.
const help = execFileSync(EXE, ['--help'], { encoding: 'utf8' });
const folders = [];
let rss = 0;
try {
  // BENCH_PATHS=swap_,net_ runs only those (`default` for the unprefixed one).
  const only = process.env.BENCH_PATHS?.split(',');
  for (const { prefix, display, relay, share = 1, delay } of PATHS) {
    if (only && !only.includes(prefix || 'default')) continue;
    const known = new RegExp(`\\b${display}\\b`).test(help);
    if (!known) console.error(`# ${prefix || 'unprefixed'}: no --display ${display} here; the default path runs`);
    const folder = await programFolder(delay);
    folders.push(folder);
    const g = await game(folder, known ? ['--display', display] : [], { relay });
    if (g.clicks.length < share * SUBJECT_THROWS || g.ticks.length < share * SUBJECT_THROWS) {
      throw new Error(`${prefix}: too few measurements: ${g.clicks.length} clicks, ${g.ticks.length} ticks`);
    }
    figures(prefix, g);
    rss = Math.max(rss, g.rss);
  }
  print('startup_to_start_page_ms', await startup(folders[0]));
  print('game_rss_max_mb', rss);
} finally {
  await Promise.all(folders.map((f) => fs.rm(f, { recursive: true, force: true })));
}
