// Latency of the game window in headless Chromium with the real program, for
// the swap path (the default) and for --display navigate in the same run:
//  - tick_to_onset: a computer throw (its time in time.csv, placed on the
//    wall clock by the program's terminal lines) to the presentation of its
//    picture (the page's Element Timing renderTime of the throw picture);
//  - click_to_onset: the subject's click (the event's timeStamp) to the same;
//  - onset_report_error: the onset the program logged in onset.csv against
//    that presentation time, both on the wall clock;
//  - startup_to_start_page_ms: start with a settings name and a subject ID on
//    standard input (so including the one-second pause) to the start page
//    having been served, median of 5 starts;
//  - game_rss_max_mb: the program's peak resident memory over a game.
// The page's and node's clocks are compared as performance.timeOrigin plus
// their own time.
// Prints "name value" lines; the navigate path's figures are prefixed
// "navigate_".
import { spawn } from 'node:child_process';
import fs from 'node:fs/promises';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { performance } from 'node:perf_hooks';
import { launchChromium } from '../tests/e2e/lib/chromium.mjs';
import { ownEnvironment } from '../tests/e2e/lib/game_run.mjs';

const EXE = process.env.VOLLETA_EXE;
const PROGRAM_DIR = process.env.VOLLETA_PROGRAM_DIR;
const SUBJECT_THROWS = Number(process.env.BENCH_SUBJECT_THROWS) || 150;
const TOTAL = 2 * SUBJECT_THROWS + 2;

const now = () => performance.timeOrigin + performance.now();
const quantile = (values, q) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.min(sorted.length - 1, Math.ceil(q * sorted.length) - 1)];
};
const print = (name, value) => console.log(`${name} ${value.toFixed(1)}`);

async function programFolder() {
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
    .replace(/^(Delay between throws[^,]*,).*$/m, '$10.1,0.2'), 'latin1');
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
    const t0 = now();
    const run = start(folder, `SSTART${i}`);
    await fetchDocument(await run.url);
    times.push(now() - t0);
    run.child.kill('SIGTERM');
    await run.exited;
  }
  return quantile(times, 0.5);
}

const lastRow = async (folder, name) =>
  (await fs.readFile(path.join(folder, 'log', name), 'latin1')).trim().split(/\r?\n/).pop()
    .split(',').slice(12).map((v) => (v === '' ? null : Number(v)));

// One game; every presentation of a throw picture is taken from the page.
async function game(folder, args) {
  const run = start(folder, 'SBENCH', args);
  const reported = [];  // wall-clock arrival of each throw's terminal line, in throw order
  readline.createInterface({ input: run.child.stderr }).on('line', (line) => {
    const m = /throw (\d+) of \d+: Player (\d)/.exec(line);
    if (m) reported[Number(m[1])] = { at: now(), thrower: Number(m[2]) };
  });
  const browser = await launchChromium();
  const page = await browser.newPage();
  const presented = [];  // each game picture's wall-clock presentation and page title, in order
  const clicks = [];  // the subject's clicks on the wall clock
  let subjectThrows = 0;
  let rss = 0;
  let finish;
  const done = new Promise((resolve) => { finish = resolve; });
  let lastEvent = now();
  const click = () => page.click(`td.player.p${++subjectThrows % 2 ? 1 : 3} a`).catch(() => {});
  // A page left waiting (a click lost in a navigation, a picture never
  // reported) gets its click after 3 s without news.
  const watchdog = setInterval(async () => {
    if (now() - lastEvent < 3000) return;
    lastEvent = now();
    const holds = await page.evaluate(() =>
      !!document.querySelector('td.player.p1 a[href="2to1.htm"]')).catch(() => false);
    if (holds) await click();
  }, 1000);
  await page.exposeBinding('clicked', (_source, at) => { clicks.push(at); lastEvent = now(); });
  await page.exposeBinding('presentedAt', async (_source, info) => {
    lastEvent = now();
    if (info.at !== null) presented.push(info);
    if (info.holdsBall && subjectThrows < SUBJECT_THROWS + 1) {
      if (subjectThrows % 50 === 0) rss = Math.max(rss, await peakRssMb(run.child.pid));
      await click();
    }
  });
  await page.exposeBinding('ended', () => finish());
  await page.addInitScript(() => {
    if (location.pathname.endsWith('/thankyou.htm')) window.ended();
    let clicked = false;
    addEventListener('click', (e) => {
      clicked = true;
      window.clicked(performance.timeOrigin + e.timeStamp);
    }, true);
    // A loaded page whose picture was never reported (rare) still gets its click.
    addEventListener('load', () => setTimeout(() => {
      const holdsBall = !!document.querySelector('td.player.p1 a[href="2to1.htm"]');
      if (holdsBall && !clicked) window.presentedAt({ at: null, holdsBall });
    }, 2000));
    // Each swapped-in picture's page title, by the picture's address: an entry
    // may come after its picture was replaced (and then names no element).
    const titles = new Map();
    addEventListener('load', () => new MutationObserver(() => {
      titles.set(document.querySelector('img.throw')?.src, document.title);
    }).observe(document.documentElement, { childList: true }));
    new PerformanceObserver((list) => list.getEntries().forEach((entry) => {
      if (entry.identifier !== 'throw') return;
      window.presentedAt({ at: performance.timeOrigin + entry.renderTime,
        title: titles.get(entry.url) ?? document.title,
        holdsBall: !!entry.element?.isConnected &&
          !!document.querySelector('td.player.p1 a[href="2to1.htm"]') });
    })).observe({ type: 'element', buffered: true });
  });
  await page.goto(await run.url);
  await page.click('a.button');
  await done;
  clearInterval(watchdog);
  rss = Math.max(rss, await peakRssMb(run.child.pid));
  await browser.close();
  run.child.kill('SIGTERM');
  await run.exited;

  // The game start on the wall clock: the earliest terminal line less its
  // throw's time, so within a fraction of a millisecond.
  const [times, onsets, receivers] = await Promise.all(['time.csv', 'onset.csv', 'log.csv']
    .map((name) => lastRow(folder, name)));
  const startAt = Math.min(...times.map((t, i) => reported[i + 1].at - t));
  // Throws go to the presentations in order, by their titles: a page replaced
  // before it was presented (in the navigate path) has none.
  const names = [null, 'Alex', 'You', 'Jordan'];
  const ticks = [], clickLags = [], errors = [];
  let p = 1;  // presented[0] is the opening page
  let previous = null;
  for (let n = 1; n <= TOTAL; n++) {
    const { thrower, at: reportedAt } = reported[n];
    const title = `${names[thrower]} throws to ${names[receivers[n - 1]]}`;
    // A second entry for the throw before (consecutive throws differ) is skipped.
    while (presented[p] && presented[p].title !== title && presented[p].title === previous) p++;
    previous = title;
    if (presented[p]?.title !== title) continue;
    const shown = presented[p++].at;
    if (thrower === 2) {
      const click = clicks.filter((c) => c < reportedAt).pop();
      if (click) clickLags.push(shown - click);
    } else {
      ticks.push(shown - (startAt + times[n - 1]));
    }
    if (onsets[n - 1] !== null) errors.push(Math.abs(startAt + onsets[n - 1] - shown));
  }
  return { ticks, clicks: clickLags, errors, rss,
    logged: onsets.filter((o) => o !== null).length };
}

const figures = (prefix, { ticks, clicks }) => {
  print(`${prefix}tick_to_onset_p50_ms`, quantile(ticks, 0.5));
  print(`${prefix}tick_to_onset_p99_ms`, quantile(ticks, 0.99));
  print(`${prefix}tick_to_onset_max_ms`, Math.max(...ticks));
  print(`${prefix}click_to_onset_p50_ms`, quantile(clicks, 0.5));
  print(`${prefix}click_to_onset_p99_ms`, quantile(clicks, 0.99));
  print(`${prefix}click_to_onset_max_ms`, Math.max(...clicks));
};

const swapFolder = await programFolder();
const navigateFolder = await programFolder();
try {
  const swap = await game(swapFolder, []);
  const navigate = await game(navigateFolder, ['--display', 'navigate']);
  // Every throw is presented in the swap path; in the navigate path the
  // subject's own throw is often replaced before its picture is presented.
  for (const [g, share] of [[swap, 1], [navigate, 0.4]]) {
    if (g.clicks.length < share * SUBJECT_THROWS || g.ticks.length < share * SUBJECT_THROWS) {
      throw new Error(`too few measurements: ${g.clicks.length} clicks, ${g.ticks.length} ticks`);
    }
  }
  figures('', swap);
  figures('navigate_', navigate);
  print('onset_report_error_p99_ms', quantile(swap.errors, 0.99));
  print('onset_logged_share_pct', (100 * swap.logged) / TOTAL);
  print('navigate_onset_logged_share_pct', (100 * navigate.logged) / TOTAL);
  print('navigate_presented_share_pct', (100 * (navigate.ticks.length + navigate.clicks.length)) / TOTAL);
  print('startup_to_start_page_ms', await startup(swapFolder));
  print('game_rss_max_mb', Math.max(swap.rss, navigate.rss));
} finally {
  await Promise.all([swapFolder, navigateFolder].map((f) =>
    fs.rm(f, { recursive: true, force: true })));
}
