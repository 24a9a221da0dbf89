// Games at once through `volleta serve`: N simulated participants
// (BENCH_SERVE_GAMES, default 200) arrive over BENCH_SERVE_RAMP_S seconds
// (default 10; a game lasts about half a minute, so all run at once) and each
// plays a whole game at the protocol level, as a page without a socket does:
// the study link, the start page (which claims the game), its event stream
// kept open, connected.htm, every page the stream sends it to, and a throw
// (2to1.htm or 2to3.htm) 0.3 s after each page that gives it the ball. Node 20
// has no WebSocket client, so these games run the navigation fallback of the
// default display path. Every participant comes through a proxy serve trusts,
// with an address of its own from the benchmarking range 198.18.0.0/15.
// Prints "name value" lines:
//  - serve_games_concurrent: N;
//  - serve_tick_lateness_p99_ms: over every computer throw that followed a
//    computer throw, its time.csv stamp less the previous one's less the
//    settings' fixed delay (0.5 s, no random part): how late the game's timer
//    fired with N games on the machine;
//  - serve_rss_per_game_mb: the peak of serve's and its games' resident
//    memory together, sampled every second, divided by N;
//  - serve_games_failed: participants not sent on to the return URL, or whose
//    game has no row in log.csv or no "completed" session record;
//  - serve_start_to_first_page_ms_p99: the link asked for to the start page
//    received in full.
import { spawn } from 'node:child_process';
import fs from 'node:fs/promises';
import http from 'node:http';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { ownEnvironment } from '../tests/e2e/lib/game_run.mjs';

const EXE = process.env.VOLLETA_EXE;
const PROGRAM_DIR = process.env.VOLLETA_PROGRAM_DIR;
const GAMES = Number(process.env.BENCH_SERVE_GAMES) || 200;
const RAMP_MS = 1000 * (Number(process.env.BENCH_SERVE_RAMP_S) || 10);
const THROWS = 30;
const DELAY_MS = 500;
const THINK_MS = 300;
const RETURN = 'http://127.0.0.1:9/done';  // never visited: its address is the sign of the end

const mono = () => Number(process.hrtime.bigint()) / 1e6;
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const quantile = (values, q) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted.length ? sorted[Math.min(sorted.length - 1, Math.ceil(q * sorted.length) - 1)] : NaN;
};
const print = (name, value) => console.log(`${name} ${Number(value).toFixed(1)}`);

// A study folder with one condition: Player 1 always throws to Player 3,
// who throws to Player 1 three times in four and else to the participant.
async function studyFolder() {
  const folder = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-bench-serve-'));
  for (const sub of ['html', 'settings', 'schedules']) {
    await fs.cp(path.join(PROGRAM_DIR, sub), path.join(folder, sub), { recursive: true });
  }
  await fs.rm(path.join(folder, 'settings'), { recursive: true });
  await fs.mkdir(path.join(folder, 'settings'));
  await fs.writeFile(path.join(folder, 'schedules', 'bench.txt'),
    `1, ${'3'.repeat(THROWS)}\r\n3, ${'1112'.repeat(THROWS).slice(0, THROWS)}\r\n`);
  const settings = await fs.readFile(
    path.join(PROGRAM_DIR, 'settings', '3pl - include subject.txt'), 'latin1');
  await fs.writeFile(path.join(folder, 'settings', 'bench.txt'), settings
    .replace(/^(Number of throws in the game,).*$/m, `$1${THROWS}`)
    .replace(/^(Schedule file[^,]*,).*$/m, '$1bench.txt')
    .replace(/^(Delay between throws[^,]*,).*$/m, `$1${DELAY_MS / 1000},0`), 'latin1');
  return folder;
}

const freePort = () => new Promise((resolve) => {
  const server = net.createServer().listen(0, '127.0.0.1', () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
});

// One HTTP request to serve; resolves with status, headers and body.
function request(port, target, { address, cookie, accept = 'text/html' } = {}) {
  return new Promise((resolve, reject) => {
    const req = http.get({ host: '127.0.0.1', port, path: target, agent: false,
      headers: { Accept: accept, 'Sec-Fetch-Dest': 'document', 'X-Forwarded-For': address,
        ...(cookie ? { Cookie: cookie } : {}) } }, (res) => {
      let body = '';
      res.setEncoding('latin1');
      res.on('data', (chunk) => { body += chunk; });
      res.on('end', () => resolve({ status: res.statusCode, headers: res.headers, body }));
    });
    req.on('error', reject);
    req.setTimeout(60000, () => req.destroy(new Error(`no answer to ${target}`)));
  });
}

// The event stream: calls `onNavigate(url)` for each navigation event.
function eventStream(port, target, { address, cookie }, onNavigate) {
  return http.get({ host: '127.0.0.1', port, path: target, agent: false,
    headers: { Accept: 'text/event-stream', 'X-Forwarded-For': address, Cookie: cookie } }, (res) => {
    let buffer = '';
    res.setEncoding('utf8');
    res.on('data', (chunk) => {
      buffer += chunk;
      let end;
      while ((end = buffer.indexOf('\n\n')) >= 0) {
        const event = buffer.slice(0, end);
        buffer = buffer.slice(end + 2);
        if (/^event: navigate$/m.test(event)) onNavigate(/^data: ?(.*)$/m.exec(event)[1]);
      }
    });
  }).on('error', () => {});
}

// One participant's whole game; resolves with the link-to-start-page time,
// or throws with what went wrong.
async function participant(port, n) {
  const id = `B${String(n).padStart(4, '0')}`;
  const address = `198.18.${n >> 8}.${n & 255}`;
  const t0 = mono();
  let target = `/?PROLIFIC_PID=${id}`;
  let answer = await request(port, target, { address });
  for (let hops = 0; answer.status >= 300 && answer.status < 400 && hops < 3; hops++) {
    target = new URL(answer.headers.location, `http://127.0.0.1:${port}`).pathname;
    answer = await request(port, target, { address });
  }
  const firstPage = mono() - t0;
  const cookie = (answer.headers['set-cookie'] ?? [])[0]?.split(';')[0];
  const prefix = /^\/[^/]+\//.exec(target)?.[0];
  if (answer.status !== 200 || !cookie || !/\/html\/start\.htm$/.test(target)) {
    throw new Error(`${id}: ${target} answered ${answer.status}`);
  }
  const who = { address, cookie };
  let done, failed;
  const ended = new Promise((resolve, reject) => { done = resolve; failed = reject; });
  // Each page the game sends the participant to is loaded; on a page that
  // gives the ball to the participant, a throw follows, to Player 1 and 3 in turn.
  let throws = 0, latest = 0, thanked = false;
  const load = async (to) => {
    const n = ++latest;
    const url = new URL(to, `http://127.0.0.1:${port}`).href;
    if (url.startsWith(RETURN)) return done();
    thanked ||= url.endsWith('/thankyou.htm');
    const page = await request(port, new URL(url).pathname, who);
    // The thank-you page goes on to the return URL (in the page) a second later.
    if (thanked && page.body.includes(RETURN)) return void setTimeout(done, 1000);
    if (n !== latest || !/href="2to[13]\.htm"/.test(page.body)) return;
    await sleep(THINK_MS);
    if (n !== latest) return;
    const link = `${prefix}html/2to${throws++ % 2 ? 3 : 1}.htm`;
    const answerToThrow = await request(port, link, who);
    const next = answerToThrow.headers.location;
    if (next) load(next).catch(failed);
  };
  const stream = eventStream(port, `${prefix}events?seq=0`, who, (url) => load(url).catch(failed));
  // The game's end closes the stream; the logs say whether it was saved.
  stream.on('close', () => (thanked ? done()
    : setTimeout(() => failed(new Error(`${id}: event stream closed`)), 5000)));
  await request(port, `${prefix}html/connected.htm`, who);
  const limit = setTimeout(() => failed(new Error(`${id}: no end`)), 10 * 60000);
  try {
    await ended;
  } finally {
    clearTimeout(limit);
    stream.destroy();
  }
  return { id, firstPage };
}

// Resident memory of `pid` and every process under it, in MB.
async function treeRssMb(pid) {
  const status = await fs.readFile(`/proc/${pid}/status`, 'utf8').catch(() => '');
  let kb = Number(/VmRSS:\s+(\d+) kB/.exec(status)?.[1] ?? 0);
  const tasks = await fs.readdir(`/proc/${pid}/task`).catch(() => []);
  for (const task of tasks) {
    const children = await fs.readFile(`/proc/${pid}/task/${task}/children`, 'utf8').catch(() => '');
    for (const child of children.split(' ').filter(Boolean)) kb += 1024 * await treeRssMb(Number(child));
  }
  return kb / 1024;
}

const folder = await studyFolder();
const port = await freePort();
const serve = spawn(EXE, ['serve', '--folder', folder, '--listen', `127.0.0.1:${port}`,
  '--trusted-proxy', '127.0.0.1', '--max-games', String(GAMES), '--return-url', `${RETURN}?id={id}`,
  '--return-after', '1', '--finish-within', '60'],
  { stdio: ['ignore', 'pipe', 'pipe'], env: ownEnvironment(folder) });
let serveErr = '';
serve.stderr.on('data', (chunk) => { serveErr += chunk; });
const exited = new Promise((resolve) => serve.once('exit', (code, sig) => resolve(code ?? sig)));
const listening = await Promise.race([exited.then(() => false), new Promise((resolve) =>
  readline.createInterface({ input: serve.stdout }).on('line', (line) =>
    line.includes(`127.0.0.1:${port}`) && resolve(true)))]);
if (!listening) {
  console.error(`# serve did not start: ${serveErr.slice(-2000)}`);
  process.exit(1);
}

let peakMb = 0, sampling = true;
const sampler = (async () => {
  while (sampling) {
    peakMb = Math.max(peakMb, await treeRssMb(serve.pid));
    await sleep(1000);
  }
})();
const results = await Promise.allSettled(Array.from({ length: GAMES }, async (_, n) => {
  await sleep((RAMP_MS * n) / GAMES);
  return participant(port, n);
}));
sampling = false;
await sampler;
serve.kill('SIGTERM');
await exited;

const logged = new Set((await fs.readFile(path.join(folder, 'log', 'log.csv'), 'latin1').catch(() => ''))
  .split('\r\n').filter(Boolean).map((row) => row.split(',')[0]));
const completed = new Set((await fs.readFile(path.join(folder, 'log', 'sessions.csv'), 'latin1')
  .catch(() => '')).split('\r\n').filter((row) => /,completed(,|$)/.test(row))
  .map((row) => /,(B\d{4}),/.exec(row)?.[1]));
let failed = 0;
results.forEach((r, n) => {
  const id = `B${String(n).padStart(4, '0')}`;
  if (r.status === 'rejected' || !logged.has(id) || !completed.has(id)) {
    failed++;
    if (failed <= 5) console.error(`# ${id} failed: ${r.reason?.message ?? 'no row or record'}`);
  }
});
// Tick lateness from the stamps: a computer's throw whose thrower caught a
// computer's throw fired DELAY_MS after it.
const lateness = [];
const time = (await fs.readFile(path.join(folder, 'log', 'time.csv'), 'latin1').catch(() => ''))
  .split('\r\n').filter(Boolean).map((row) => row.split(',').slice(12).map(Number));
const log = (await fs.readFile(path.join(folder, 'log', 'log.csv'), 'latin1').catch(() => ''))
  .split('\r\n').filter(Boolean).map((row) => row.split(',').slice(12).map(Number));
log.forEach((receivers, g) => {
  for (let i = 1; i < receivers.length; i++) {
    const thrower = receivers[i - 1], previousThrower = i >= 2 ? receivers[i - 2] : 1;
    if (thrower !== 2 && previousThrower !== 2) {
      lateness.push(time[g][i] - time[g][i - 1] - DELAY_MS);
    }
  }
});
print('serve_games_concurrent', GAMES);
print('serve_tick_lateness_p99_ms', quantile(lateness, 0.99));
print('serve_rss_per_game_mb', peakMb / GAMES);
print('serve_games_failed', failed);
print('serve_start_to_first_page_ms_p99',
  quantile(results.filter((r) => r.status === 'fulfilled').map((r) => r.value.firstPage), 0.99));
await fs.rm(folder, { recursive: true, force: true });
