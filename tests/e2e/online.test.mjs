// One participant's online game (--online-game) as serve runs it: the page at a
// public origin (here a relay on another loopback port that rewrites Host to
// the game's, as serve does), page sockets refused from any other origin, and a
// game whose page closes mid-game. Whole games through serve, to the return
// URL, are played over nginx (nginx.test.mjs).
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import http from 'node:http';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { launchChromium } from './lib/chromium.mjs';
import { start, rows } from './lib/game_run.mjs';

const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-online-'));
const browser = await launchChromium();
after(() => Promise.all([browser.close(), fs.rm(root, { recursive: true, force: true })]));

// Relays a port of its own to the game's `port` (set once known), each
// request's Host rewritten to the game's loopback address; bytes after a
// WebSocket upgrade pass untouched.
async function hostRelay() {
  const relay = { port: 0, to: 0, open: new Set() };
  const server = net.createServer((client) => {
    const upstream = net.connect(relay.to, '127.0.0.1');
    let upgraded = false;
    client.on('data', (chunk) => {
      if (!upgraded) {
        const head = chunk.toString('latin1');
        upgraded = /\r\nupgrade:\s*websocket/i.test(head);
        chunk = Buffer.from(head.replace(/\r\nhost:[^\r]*/gi, `\r\nHost: 127.0.0.1:${relay.to}`),
          'latin1');
      }
      upstream.write(chunk);
    });
    upstream.pipe(client);
    for (const [a, b] of [[client, upstream], [upstream, client]]) {
      relay.open.add(a);
      a.on('error', () => b.destroy());
      a.on('close', () => { relay.open.delete(a); b.destroy(); });
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  relay.port = server.address().port;
  relay.close = () => { server.close(); relay.open.forEach((s) => s.destroy()); };
  return relay;
}

// Starts a game behind a relay; resolves to { run, relay, page at the public origin }.
async function onlineGame(subject, args) {
  const relay = await hostRelay();
  const run = await start(root, 3, ['--online-game', '--subject', subject, '--public-origin',
    `http://127.0.0.1:${relay.port}`, ...args], subject, { delay: '0.5,0' });
  const url = new URL(await run.firstLine);
  assert.match(url.href, /^http:\/\/127\.0\.0\.1:\d+\/[0-9a-f]{32}\/html\/start\.htm$/);
  relay.to = Number(url.port);
  const page = await browser.newPage();
  await page.goto(`http://127.0.0.1:${relay.port}${url.pathname}`);
  await page.click('a.button');
  return { run, relay, page, gamePort: relay.to, prefix: url.pathname.split('/')[1] };
}

// A WebSocket upgrade sent straight to the game as serve relays it; resolves
// to the status it got.
const upgrade = (port, prefix, headers) => new Promise((resolve, reject) => {
  const request = http.request({ host: '127.0.0.1', port, path: `/${prefix}/socket`,
    headers: { Host: `127.0.0.1:${port}`, Connection: 'Upgrade', Upgrade: 'websocket',
      'Sec-WebSocket-Version': '13', 'Sec-WebSocket-Key': 'dGhlIHNhbXBsZSBub25jZQ==', ...headers } });
  request.on('upgrade', (res, socket) => { socket.destroy(); resolve(101); });
  request.on('response', (res) => { res.resume(); resolve(res.statusCode); });
  request.on('error', reject);
  request.end();
});

const record = async (folder) => {
  const [header, row, ...more] = await rows(folder, 'sessions.csv');
  assert.equal(more.length, 0);
  const names = header.trim().split(',');
  assert.equal(names.length, 18);
  const fields = row.trim().match(/("([^"]|"")*"|[^,]*)(,|$)/g).map((f) => f.replace(/,$/, ''));
  return Object.fromEntries(names.map((name, i) => [name, fields[i]]));
};

test('an online game takes sockets only from its public origin; its page closed mid-game, it ' +
  'ends by itself: no log rows, recorded as abandoned at its throw', async () => {
  const link = 'PROLIFIC_PID=p+1%26x&STUDY_ID=s%2F2';
  // The abandon time runs from the printed address: long enough for a busy machine's first load.
  const { run, relay, page, gamePort, prefix } = await onlineGame('SGONE', ['--abandon-after', '10',
    '--link', link]);
  try {
    const [{ value: cookie }] = await page.context().cookies();
    const statuses = [];
    for (const origin of ['http://evil.example', `http://127.0.0.1:${gamePort}`,
      `http://127.0.0.1:${relay.port}`]) {
      statuses.push(await upgrade(gamePort, prefix, { Origin: origin, Cookie: `volleta=${cookie}` }));
    }
    assert.deepEqual(statuses, [403, 403, 101]);
    // Closed while the game waits for the subject: it can only end as abandoned.
    await page.waitForSelector('a[href^="2to"]', { state: 'attached', timeout: 60000 });
    await page.close();
    await run.ends();
  } finally {
    relay.close();
  }
  for (const log of ['log.csv', 'time.csv', 'onset.csv']) {
    assert.deepEqual(await rows(run.folder, log), [], log);
  }
  const fields = await record(run.folder);
  assert.match(fields.outcome, /^abandoned at throw [1-9]\d*$/);
  assert.equal(fields.mode, 'online');
  assert.equal(fields.link, link);
  assert.equal(fields.ttl, 'off: online');
  assert.match(fields.browser, /^(Chromium|Google Chrome|HeadlessChrome) \d+$/);
  assert.equal(run.stdout().split('\n').filter(Boolean).length, 1, run.stdout());
});
