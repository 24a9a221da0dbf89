// Latency of the game window in headless Chromium with the real program:
//  - click_to_paint: the subject's click (the event's timeStamp) to the first
//    animation frame after the next game page has loaded;
//  - tick_to_paint: a computer throw (the moment the program reports it on
//    standard error, right after writing and sending the page) to the same;
//  - startup_to_start_page_ms: start with a settings name and a subject ID on
//    standard input (so including the one-second pause) to the start page
//    having been served, median of 5 starts;
//  - game_rss_max_mb: the program's peak resident memory over the game.
// All times are compared on the wall clock (performance.timeOrigin plus the
// page's or node's own time). Prints "name value" lines.
import { spawn } from 'node:child_process';
import fs from 'node:fs/promises';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { performance } from 'node:perf_hooks';
import { launchChromium } from '../tests/browser/lib/chromium.mjs';

const EXE = process.env.VOLLETA_EXE;
const PROGRAM_DIR = process.env.VOLLETA_PROGRAM_DIR;
const SUBJECT_THROWS = 200;
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

function start(folder, subject) {
  const child = spawn(EXE, ['--folder', folder, '--no-browser', 'bench.txt'],
    { stdio: ['pipe', 'pipe', 'pipe'] });
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

async function game(folder) {
  const run = start(folder, 'SBENCH');
  const ticks = [];  // computer throws reported by the program
  readline.createInterface({ input: run.child.stderr }).on('line', (line) => {
    const m = /throw \d+ of \d+: Player (\d) to Player (\d)/.exec(line);
    if (m && m[1] !== '2') ticks.push({ at: now(), pair: `${m[1]}to${m[2]}`, used: false });
  });
  const browser = await launchChromium();
  const page = await browser.newPage();
  const clicks = [];
  const computer = [];
  let subjectThrows = 0;
  let rss = 0;
  let finish;
  const done = new Promise((resolve) => { finish = resolve; });
  await page.exposeBinding('reportPaint', async (_source, info) => {
    if (info.path.endsWith('/thankyou.htm')) { finish(); return; }
    const pair = /(\d)to(\d)\.gif$/.exec(info.picture || '');
    if (!pair) return;
    if (info.clickAt) clicks.push(info.paint - info.clickAt);
    if (pair[1] !== '2') {
      const tick = ticks.find((t) => !t.used && t.pair === `${pair[1]}to${pair[2]}`);
      if (tick) { tick.used = true; computer.push(info.paint - tick.at); }
    }
    if (info.holdsBall && subjectThrows < SUBJECT_THROWS + 1) {
      subjectThrows++;
      if (subjectThrows % 50 === 0) rss = Math.max(rss, await peakRssMb(run.child.pid));
      await page.click(`td.player.p${subjectThrows % 2 ? 1 : 3} a`).catch(() => {});
    }
  });
  await page.addInitScript(() => {
    addEventListener('click', (e) => {
      sessionStorage.setItem('clickAt', String(performance.timeOrigin + e.timeStamp));
    }, true);
    addEventListener('load', () => {
      requestAnimationFrame(() => {
        const paint = performance.timeOrigin + performance.now();
        const clickAt = Number(sessionStorage.getItem('clickAt')) || 0;
        sessionStorage.removeItem('clickAt');
        const img = document.querySelector('img.throw');
        window.reportPaint({ path: location.pathname, picture: img?.getAttribute('src'), paint,
          clickAt, holdsBall: !!document.querySelector('td.player.p1 a[href="2to1.htm"]') });
      });
    });
  });
  await page.goto(await run.url);
  await page.click('a.button');
  await done;
  rss = Math.max(rss, await peakRssMb(run.child.pid));
  await browser.close();
  run.child.kill('SIGTERM');
  await run.exited;
  return { clicks, computer, rss };
}

const folder = await programFolder();
try {
  const { clicks, computer, rss } = await game(folder);
  if (clicks.length < SUBJECT_THROWS || computer.length < SUBJECT_THROWS) {
    throw new Error(`too few measurements: ${clicks.length} clicks, ${computer.length} ticks`);
  }
  print('click_to_paint_p50_ms', quantile(clicks, 0.5));
  print('click_to_paint_p99_ms', quantile(clicks, 0.99));
  print('click_to_paint_max_ms', Math.max(...clicks));
  print('tick_to_paint_p50_ms', quantile(computer, 0.5));
  print('tick_to_paint_p99_ms', quantile(computer, 0.99));
  print('tick_to_paint_max_ms', Math.max(...computer));
  print('startup_to_start_page_ms', await startup(folder));
  print('game_rss_max_mb', rss);
} finally {
  await fs.rm(folder, { recursive: true, force: true });
}
