// The key-handler script in a real browser: a game page written by the
// program's own composition (a computer throw to the subject) is served over
// HTTP, and pressing 1, 2, 3 must send the window to the right throw page.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import http from 'node:http';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';
import { launchChromium } from './lib/chromium.mjs';

const COMPOSE = process.env.VOLLETA_COMPOSE_PAGE;
const WAIT_MS = 5000;     // a throw page must be asked for within this
const QUIET_MS = 1000;    // how long a key that does nothing is watched

// A small template with the markers the key script and the links rely on.
const TEMPLATE = [
  '<html>',
  '<head>',
  '<title>Welcome!</title>',
  '</head>',
  '<body>',
  '<table border="0"><tr>',
  '<td><a href="2to1.htm">name1</a></td>',
  '<td>name2</td>',
  '<td><a href="2to3.htm">name3</a></td>',
  '<td><a href="2to4.htm">name4</a></td>',
  '</tr></table>',
  '</body>',
  '</html>',
].join('\r\n') + '\r\n';

let browser;
const folders = [];

before(async () => {
  assert.ok(COMPOSE, 'VOLLETA_COMPOSE_PAGE must name the compose_page_for_test tool');
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
  await Promise.all(folders.map((f) => fs.rm(f, { recursive: true, force: true })));
});

// Writes the template into a fresh program folder and has the program compose
// the page; returns the html folder.
async function composePage(players) {
  const folder = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-keys-'));
  folders.push(folder);
  const html = path.join(folder, 'html');
  await fs.mkdir(html);
  await fs.writeFile(path.join(html, 'template.htm'), TEMPLATE, 'latin1');
  const { stdout } = await promisify(execFile)(COMPOSE, [folder, String(players)]);
  assert.equal(stdout.trim(), path.join(html, 'quindle.htm'));
  const page = await fs.readFile(path.join(html, 'quindle.htm'), 'latin1');
  assert.ok(page.includes('document.onkeypress = getChar;'), 'the page carries the key script');
  assert.ok(!page.includes('<head>'), 'the script takes the place of <head>');
  return html;
}

// Serves the html folder's game page; any throw page is answered with a stub
// and recorded, so a test can wait for it.
async function serve(html) {
  const requests = [];
  const waiters = [];
  const server = http.createServer(async (req, res) => {
    const name = new URL(req.url, 'http://x').pathname.slice(1);
    requests.push(name);
    for (const w of waiters.splice(0)) w();
    if (name === 'quindle.htm') {
      res.writeHead(200, { 'content-type': 'text/html; charset=windows-1252' });
      res.end(await fs.readFile(path.join(html, name)));
    } else if (/^2to\d\.htm$/.test(name)) {
      res.writeHead(200, { 'content-type': 'text/html' });
      res.end(`<html><body>${name}</body></html>`);
    } else {
      res.writeHead(404);
      res.end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const base = `http://127.0.0.1:${server.address().port}`;

  // Resolves once `name` has been requested since index `from`; fails after `ms`.
  async function waitFor(name, from, ms) {
    const deadline = Date.now() + ms;
    while (!requests.slice(from).includes(name)) {
      const left = deadline - Date.now();
      if (left <= 0) {
        throw new Error(`no request for ${name} within ${ms} ms (got: ${requests.slice(from)})`);
      }
      await new Promise((resolve) => {
        const timer = setTimeout(resolve, left);
        waiters.push(() => { clearTimeout(timer); resolve(); });
      });
    }
  }
  return { base, requests, waitFor, close: () => new Promise((r) => server.close(r)) };
}

async function checkKeys(players, expected) {
  const html = await composePage(players);
  const server = await serve(html);
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  try {
    for (const [key, target] of expected) {
      await page.goto(`${server.base}/quindle.htm`);
      const from = server.requests.length;
      await page.keyboard.press(key);
      if (target) {
        await server.waitFor(target, from, WAIT_MS);
        await page.waitForURL(`**/${target}`, { timeout: WAIT_MS });
      } else {
        await new Promise((r) => setTimeout(r, QUIET_MS));
        const thrown = server.requests.slice(from).filter((n) => /^2to/.test(n));
        assert.deepEqual(thrown, [], `key ${key} must not throw`);
        assert.ok(page.url().endsWith('/quindle.htm'), `key ${key} left the page for ${page.url()}`);
      }
    }
    assert.deepEqual(errors, [], 'the key script raised no error');
  } finally {
    await page.close();
    await server.close();
  }
}

test('4-player game: 1 throws to Player 1, 2 to Player 4, 3 to Player 3', async () => {
  await checkKeys(4, [['1', '2to1.htm'], ['2', '2to4.htm'], ['3', '2to3.htm'], ['5', null]]);
});

test('3-player game: 1 throws to Player 1, 2 to Player 3, 3 does nothing', async () => {
  await checkKeys(3, [['1', '2to1.htm'], ['2', '2to3.htm'], ['3', null]]);
});
