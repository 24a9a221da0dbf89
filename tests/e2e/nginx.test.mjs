// An online study end to end: `volleta serve` behind Debian's nginx with TLS,
// whole games played by headless Chromium over HTTPS: three participants at
// once in three conditions, each sent on to the return URL with its ID; a
// reload mid-game; the same ID refused; two serves behind one nginx given
// the same ID at once.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { launchChromium, CHROMIUM_ARGS } from './lib/chromium.mjs';
import { THROWS, programFolder, addSettings, rows } from './lib/game_run.mjs';
import { haveNginx, freePort, startNginx, startServe, startReturnServer, sessions, playOnline,
  NGINX } from './lib/online.mjs';

const skip = haveNginx() ? false : `${NGINX} is missing (./test.sh installs nginx)`;
const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-online-'));
let browser, returns;
before(async () => {
  if (skip) return;
  browser = await launchChromium({ args: [...CHROMIUM_ARGS, '--ignore-certificate-errors'] });
  returns = await startReturnServer();
});
after(() => Promise.all([browser?.close(), returns?.close(),
  fs.rm(root, { recursive: true, force: true })]));

// A study folder with the short game as conditions a, b and c.
async function study() {
  const folder = await programFolder(root, 3);
  for (const name of ['a', 'b', 'c']) await addSettings(folder, 3, name);
  return folder;
}

// serve on `folder` behind its own nginx; `servers` serves share the nginx.
async function site(folder, servers = 1, args = []) {
  const ports = await Promise.all(Array.from({ length: servers }, freePort));
  const proxy = await startNginx(root, ports);
  const serves = await Promise.all(ports.map((port) => startServe(root, folder, port, proxy.origin,
    ['--trusted-proxy', '127.0.0.1', '--conditions', 'a.txt', 'b.txt', 'c.txt',
      '--allow-condition-param', '--abandon-after', '20',
      '--return-url', `${returns.base}?pid={id}&session={SESSION_ID}`, '--return-after', '1',
      ...args])));
  const stop = async () => {
    for (const serve of serves) assert.equal(await serve.stop(), 0, 'serve ends with status 0');
    await proxy.stop();
  };
  return { proxy, serves, stop };
}

const link = (origin, id, more = '') =>
  `${origin}/?PROLIFIC_PID=${encodeURIComponent(id)}&STUDY_ID=ST1&SESSION_ID=SE-${id}${more}`;

// Each game's row in log.csv, by subject ID.
const games = async (folder) => Object.fromEntries((await rows(folder, 'log.csv'))
  .map((row) => row.trimEnd().split(',')).map((f) => [f[0], f]));

test('three participants at once in three conditions over nginx and TLS', { skip }, async () => {
  const folder = await study();
  const { proxy, stop } = await site(folder);
  const ids = ['P-A1', 'P-B2', 'P-C3'];
  const played = await Promise.all(ids.map(async (id, i) => {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(link(proxy.origin, id, `&condition=${'abc'[i]}.txt`));
    assert.match(page.url(), /^https:\/\/127\.0\.0\.1:\d+\/[0-9a-f]+\/html\/start\.htm$/);
    const throws = await playOnline(page, proxy.origin);
    const back = new URL(page.url());
    await context.close();
    return { throws, back };
  }));
  played.forEach(({ throws, back }, i) => {
    assert.ok(throws >= 1, `${ids[i]} threw`);
    assert.equal(`${back.origin}${back.pathname}`, returns.base);
    assert.equal(back.searchParams.get('pid'), ids[i]);
    assert.ok(returns.visits.some((q) => q.get('pid') === ids[i] && q.get('session') === `SE-${ids[i]}`),
      `${ids[i]} reached the return URL with its own parameters`);
  });
  await stop();
  const logged = await games(folder);
  for (const name of ['time.csv', 'onset.csv']) {
    assert.deepEqual((await rows(folder, name)).map((r) => r.split(',')[0]).sort(), ids, name);
  }
  const record = await sessions(folder);
  ids.forEach((id, i) => {
    assert.equal(logged[id][1], `${'abc'[i]}.txt`, `${id}'s condition`);
    assert.equal(logged[id].length, 12 + THROWS);
    const final = record.filter((r) => r['subject ID'] === id && r.outcome !== 'started');
    assert.equal(final.length, 1, `${id}: ${JSON.stringify(final)}`);
    assert.equal(final[0].outcome, 'completed');
    assert.equal(final[0].mode, 'online');
    assert.equal(final[0]['settings file'], `${'abc'[i]}.txt`);
    assert.match(final[0].browser, /^(Chromium|Google Chrome) \d+$/, 'name and major version only');
    assert.match(final[0].link, /STUDY_ID=ST1/);
    assert.match(final[0].link, new RegExp(`SESSION_ID=SE-${id}`));
  });
  // No address of anyone in the study's files.
  for (const name of await fs.readdir(path.join(folder, 'log'))) {
    const text = await fs.readFile(path.join(folder, 'log', name), 'latin1').catch(() => '');
    assert.doesNotMatch(text, /127\.0\.0\.1/, name);
  }
});

test('a reload mid-game goes on with the same game; the same ID again is refused', { skip },
  async () => {
    const folder = await study();
    const { proxy, stop } = await site(folder);
    const id = 'P-RELOAD';
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(link(proxy.origin, id));
    const start = page.url();
    let other;
    await playOnline(page, proxy.origin, {
      holding: async () => {
        if (other) return;
        await page.reload();
        // The same game, still waiting for the subject's throw.
        assert.ok(page.url().startsWith(start.replace(/html\/start\.htm$/, '')), page.url());
        await page.waitForSelector('td.player.p1 a[href^="2to"]', { timeout: 30000 });
        // A second browser with the link while the game runs is sent to the
        // game, which refuses a browser without its claim.
        const second = await browser.newContext();
        other = await second.newPage();
        assert.equal((await other.goto(link(proxy.origin, id))).status(), 403);
        await second.close();
      },
    });
    assert.ok(other, 'the subject had the ball');
    assert.equal(new URL(page.url()).searchParams.get('pid'), id);
    await context.close();
    // After the game, from a fresh browser.
    const again = await browser.newContext();
    const refused = await again.newPage();
    const res = await refused.goto(link(proxy.origin, id));
    assert.doesNotMatch(refused.url(), /\/html\/start\.htm$/);
    assert.ok(res.status() < 500, `status ${res.status()}`);
    await again.close();
    await stop();
    assert.deepEqual(Object.keys(await games(folder)), [id], 'one game for the ID');
    const outcomes = (await sessions(folder)).filter((r) => r['subject ID'] === id)
      .map((r) => r.outcome).filter((o) => o !== 'started');
    assert.deepEqual(outcomes.sort(), ['completed', 'refused: already started']);
  });

// A plain request for the study link straight to a serve's own port: the
// start page it was sent to, if any.
const direct = (port, id) => new Promise((resolve, reject) => {
  http.get(`http://127.0.0.1:${port}/${new URL(link('http://x', id)).search}`,
    { headers: { Accept: 'text/html', 'Sec-Fetch-Dest': 'document' } }, (res) => {
      res.resume();
      const to = res.statusCode === 303 ? res.headers.location : '';
      resolve(/\/html\/start\.htm$/.test(to) ? new URL(to, 'http://x').pathname : null);
    }).on('error', reject);
});

test('two serves behind one nginx, the same ID at both at once: one game', { skip }, async () => {
  const folder = await study();
  const { proxy, serves, stop } = await site(folder, 2, ['--finish-within', '60']);
  const id = 'P-TWICE';
  const context = await browser.newContext();
  const page = await context.newPage();
  // Through nginx (routed by the ID) and straight to each serve, at once.
  const [, ...directs] = await Promise.all([page.goto(link(proxy.origin, id)),
    ...serves.map((serve) => direct(serve.port, id))]);
  const viaProxy = /\/html\/start\.htm$/.test(page.url()) ? new URL(page.url()).pathname : null;
  const starts = new Set([viaProxy, ...directs].filter(Boolean));
  assert.equal(starts.size, 1, `start pages: ${[...starts]}`);
  // The browser plays the game when it was sent to it; else no browser opens it.
  if (viaProxy) await playOnline(page, proxy.origin);
  await context.close();
  await stop();
  const record = (await sessions(folder)).filter((r) => r['subject ID'] === id);
  assert.equal(record.filter((r) => r.outcome === 'started').length, 1, JSON.stringify(record));
  assert.ok(record.some((r) => r.outcome === 'refused: already started'), 'the other serve refused');
  assert.deepEqual(Object.keys(await games(folder)), viaProxy ? [id] : [],
    'a game no browser opened is abandoned: no rows');
});
