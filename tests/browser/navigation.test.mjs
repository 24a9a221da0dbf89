// The page server's navigations in headless Chromium: pushed navigations
// (the game's timers), navigations answered 303 (a throw that the game stops
// and sends on) and 204 (stopped only), a navigation issued while the page is
// still loading, and the number of page connections the server holds.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { launchChromium } from './lib/chromium.mjs';

const SERVER = process.env.VOLLETA_NAVIGATION_SERVER;
const ROUNDS = 50;

let folder;
let server;
let lines = [];
let waiters = [];
let base;
let browser;
let page;

function pageHtml(name) {
  return `<!DOCTYPE html><html><head><meta charset="utf-8"><title>${name}</title></head>
<body><p id="name">${name}</p><a id="throw" href="2to3.htm">throw</a>
<a id="halt" href="halt.htm">halt</a><img src="2to1.gif" alt=""></body></html>`;
}

// Waits for an output line of the server matching `re`, from line `from` on.
function waitLine(re, from = 0, ms = 10000) {
  const found = lines.slice(from).find((l) => re.test(l));
  if (found) return Promise.resolve(found);
  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error(`no line ${re} in time; last: ${lines.slice(-5)}`)), ms);
    waiters.push({ re, from, resolve: (l) => { clearTimeout(timer); resolve(l); } });
  });
}

function send(command) {
  server.stdin.write(command + '\n');
}

function streamCounts() {
  return lines.filter((l) => l.startsWith('streams ')).map((l) => Number(l.split(' ')[1]));
}

async function shows(name) {
  await page.waitForFunction((n) => document.getElementById('name')?.textContent === n, name,
    { timeout: 10000 });
}

before(async () => {
  assert.ok(SERVER, 'VOLLETA_NAVIGATION_SERVER must name the server tool');
  folder = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-navigation-'));
  for (const name of ['index', 'one', 'two', 'final']) {
    await fs.writeFile(path.join(folder, `${name}.htm`), pageHtml(name));
  }
  // A page whose own script keeps it loading for a while before the
  // appended script can connect.
  await fs.writeFile(path.join(folder, 'slow.htm'), pageHtml('slow').replace('</body>',
    '<script>const t = Date.now(); while (Date.now() - t < 1500) {}</script></body>'));
  // GIF89a, 1x1, a picture named like a throw target.
  await fs.writeFile(path.join(folder, '2to1.gif'), Buffer.from(
    'R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==', 'base64'));

  server = spawn(SERVER, [folder], { stdio: ['pipe', 'pipe', 'inherit'] });
  readline.createInterface({ input: server.stdout }).on('line', (line) => {
    lines.push(line);
    waiters = waiters.filter((w) => {
      if (lines.length - 1 >= w.from && w.re.test(line)) { w.resolve(line); return false; }
      return true;
    });
  });
  base = (await waitLine(/^url /)).slice(4);
  browser = await launchChromium();
  page = await browser.newPage();
});

after(async () => {
  await browser?.close();
  server?.stdin.end();
  server?.kill();
  if (folder) await fs.rm(folder, { recursive: true, force: true });
});

test('the first page is a navigation, its picture is not', async () => {
  const from = lines.length;
  await page.goto(base + 'index.htm');
  await shows('index');
  await waitLine(/^streams 1$/, from);
  const navigations = lines.slice(from).filter((l) => l.startsWith('navigate '));
  assert.deepEqual(navigations, [`navigate ${base}index.htm`]);
});

test(`${ROUNDS} pushed navigations in a row all arrive`, async () => {
  for (let i = 0; i < ROUNDS; i++) {
    const name = i % 2 ? 'one' : 'two';
    const from = lines.length;
    send(`push ${name}.htm`);
    await waitLine(new RegExp(`^navigate .*/${name}\\.htm$`), from);
    await shows(name);
  }
  assert.ok(Math.max(...streamCounts()) <= 2, `page connections: ${streamCounts()}`);
});

test(`${ROUNDS} navigations answered with 303 in a row all arrive`, async () => {
  for (let i = 0; i < ROUNDS; i++) {
    const name = i % 2 ? 'one' : 'two';
    send(`redirect ${name}.htm`);
    const from = lines.length;
    await page.click('#throw');
    await waitLine(/^navigate .*\/2to3\.htm$/, from);
    await waitLine(new RegExp(`^navigate .*/${name}\\.htm$`), from);
    await shows(name);
    // The throw target is never shown.
    assert.match(page.url(), new RegExp(`/${name}\\.htm$`));
  }
  assert.ok(Math.max(...streamCounts()) <= 2, `page connections: ${streamCounts()}`);
});

test('a navigation answered with 204 leaves the page shown and still led by the program', async () => {
  await page.goto(base + 'one.htm');
  await shows('one');
  await waitLine(/^streams 1$/, lines.length - 1);
  const from = lines.length;
  await page.click('#halt');
  await waitLine(/^navigate .*\/halt\.htm$/, from);
  await page.waitForTimeout(300);
  assert.match(page.url(), /\/one\.htm$/);
  assert.equal(await page.textContent('#name'), 'one');
  send('push final.htm');
  await shows('final');
});

test('a navigation issued while the page is still loading is not lost', async () => {
  const from = lines.length;
  send('push slow.htm');
  // As soon as the slow page has been requested, and long before its
  // script can connect, the program moves on.
  await waitLine(/^navigate .*\/slow\.htm$/, from);
  // The page before it has gone, the slow one has not connected yet.
  await waitLine(/^streams 0$/, from);
  send('push final.htm');
  await shows('final');
  await waitLine(/^navigate .*\/final\.htm$/, from);
  assert.match(page.url(), /\/final\.htm$/);
});

test('the server never held more than two page connections', async () => {
  const from = lines.length;
  send('stats');
  const max = Number((await waitLine(/^max-streams /, from)).split(' ')[1]);
  assert.ok(max >= 1 && max <= 2, `most page connections at once: ${max}`);
});

test('closing the page closes its connection', async () => {
  const from = lines.length;
  await page.close();
  await waitLine(/^streams 0$/, from);
});
