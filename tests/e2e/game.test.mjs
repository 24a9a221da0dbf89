// The real program end to end: whole short games in headless Chromium against
// the three logs, each throw swapped into the page as its page file shows it
// and its animation starting at its first frame; a page that loses its socket;
// the navigate path; Back and Forward; four stations on one folder, a second
// client without the window's cookie; kill -9 in 20 games; SIGTERM, and the
// launch path with --headless.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { launchChromium } from './lib/chromium.mjs';
import { THROWS, FIRST_FRAME_MS, sleep, within, start, checkLogs, composedPages, shownMarkup,
  firstFrameColour, programFolder, addSettings, rows } from './lib/game_run.mjs';

const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-game-'));
process.stderr.setMaxListeners(64);  // twenty programs' standard error goes to it
const browser = await launchChromium();
// A page of its own for decoding screenshots and parsing page files.
const checker = await browser.newPage();
after(() => Promise.all([browser.close(), fs.rm(root, { recursive: true, force: true })]));

// The colour at the middle of a PNG screenshot.
const middleColour = (png) => checker.evaluate(async (b64) => {
  const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${b64}`)).blob());
  const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
  const context = canvas.getContext('2d');
  context.drawImage(bitmap, 0, 0);
  const x = Math.floor(bitmap.width / 2), y = Math.floor(bitmap.height / 2);
  return [...context.getImageData(x, y, 1, 1).data.slice(0, 3)];
}, png.toString('base64'));
const near = (a, b) => a.every((v, i) => Math.abs(v - b[i]) <= 12);

// Back and Forward every way a page or the participant has, then the pages
// Back would lead to asked for outright, then Continue should that have
// reached the start page: the window stays where it was.
async function tryHistory(page) {
  const before = page.url();
  for (const key of ['Alt+ArrowLeft', 'Alt+ArrowRight', 'Backspace']) {
    await page.keyboard.press(key);
  }
  await page.evaluate(() => { history.back(); history.go(-1); });
  await page.goBack().catch(() => {});
  await page.goForward().catch(() => {});
  for (const file of ['connecting.htm', 'start.htm']) {
    await page.goto(before.replace(/[^/]*$/, file)).catch(() => {});
  }
  if (await page.$('a.button')) await page.click('a.button');
  assert.equal(page.url(), before, 'the window stays on the page it showed');
}

// Plays a game in a new page: the subject throws to each player in turn by
// `method` ('click', 'keys', or the two in turn); with `double`, each time by a
// double click or by pressing the key twice. Every game page shown (loaded or
// swapped in) is recorded with its markup and, for a swap, the colour of its throw picture (and of the
// photodiode patch's corner) in screenshots and how long after the swap they
// were done. With `backAndForth`, where the game next waits for the subject
// after the subject's first throw and at the thank-you page the window is
// tried with tryHistory; what it reloads is not recorded.
const PATCH = { x: 5, y: 720 - 35, width: 10, height: 10 };
async function play(run, method, { loseSocketAfter = 0, backAndForth = false, double = false } = {}) {
  const url = await run.firstLine;
  assert.match(url, /^http:\/\/127\.0\.0\.1:\d+\/[0-9a-f]{32}\/html\/start\.htm$/);
  const page = await browser.newPage();
  const targets = run.players === 3 ? [1, 3] : [1, 3, 4];
  // The key handler's keys: in a 4-player game 2 is Player 4 and 3 Player 3.
  const key = (target) => String(target === 1 ? 1 : run.players === 3 || target === 4 ? 2 : 3);
  const shown = [];
  let afterProbe = -1;
  let subjectThrows = 0, probes = backAndForth ? 0 : 2, probing = false, entries;
  // The documents the probes loaded: their reports, however late they come, are
  // not pages the game showed.
  const probed = [];
  let end;
  const ended = new Promise((resolve) => { end = resolve; });
  const probe = async () => {
    probing = true;
    const from = await page.evaluate(() => window.testDocument + 1);
    // Links and keys have led on from the start page without history entries.
    if (probes++ === 0) assert.equal(await page.evaluate(() => history.length), entries);
    await tryHistory(page);
    probed.push([from, await page.evaluate(() => window.testDocument)]);
    // The next page shown follows a throw made from the page the probe loaded,
    // whose socket may not be ready yet: that throw may be loaded, not swapped.
    afterProbe = shown.length;
    probing = false;
  };
  await page.exposeBinding('pageShown', async (_source, info) => {
    if (probing || (info.how === 'load' &&
      probed.some(([from, to]) => info.document >= from && info.document <= to))) return;
    if (info.where.endsWith('/thankyou.htm')) {
      return (probes < 2 ? probe() : Promise.resolve()).then(() => end(), (e) => end(String(e)));
    }
    if (!info.where.endsWith('/quindle.htm')) return;
    shown.push(info);
    if (info.how === 'swap' && info.box) {
      const [png, patch] = [await page.screenshot({ clip: info.box }),
        await page.screenshot({ clip: PATCH })];
      info.elapsed = await page.evaluate(() => performance.now()) - info.at;
      info.colour = await middleColour(png);
      info.patch = await middleColour(patch);
    }
    if (loseSocketAfter && shown.length === loseSocketAfter) {
      await page.evaluate(() => window.testSockets.forEach((s) => s.close()));
    }
    if (!info.holding) return;
    // The game waits for the subject, unless this was its last throw: then it ends on its own.
    if (probes === 0 && subjectThrows >= 1 &&
      run.stderr().match(/\] throw \d+ of/g).length < THROWS) {
      const failed = await probe().then(() => null, String);
      if (failed) return end(failed);
    }
    const target = targets[subjectThrows % targets.length];
    const click = method === 'click' || (method === 'both' && subjectThrows % 2 === 0);
    subjectThrows++;
    const link = `td.player.p${target} a`;
    await (click ? page[double ? 'dblclick' : 'click'](link, { timeout: 5000 })
      : page.keyboard.press(key(target)).then(() => double && page.keyboard.press(key(target))))
      .catch((e) => end(String(e)));
  });
  const presented = [], commits = [];
  await page.exposeBinding('pagePresented', (_source, info) => presented.push(info));
  await page.exposeBinding('pageCommitted', (_source, at) => commits.push(at));
  await page.addInitScript({ content: `window.shownMarkup = ${shownMarkup};` });
  await page.addInitScript(watchPresented);
  await page.addInitScript(() => {
    // Each document the tab loads is numbered.
    try {
      window.testDocument = Number(sessionStorage.getItem('testDocuments')) + 1;
      sessionStorage.setItem('testDocuments', String(window.testDocument));
    } catch {}  // about:blank has no storage
    // The page's sockets, for the test that closes them.
    const Native = window.WebSocket;
    window.testSockets = [];
    window.WebSocket = function (...args) {
      const socket = new Native(...args);
      window.testSockets.push(socket);
      return socket;
    };
    const report = (how) => {
      const picture = document.querySelector('img.throw');
      const r = picture?.getBoundingClientRect();
      window.pageShown({ how, where: location.pathname, at: performance.now(),
        document: window.testDocument,
        markup: window.shownMarkup(document),
        holding: document.querySelector('a[href^="2to"]') !== null,
        box: r && { x: r.x + r.width / 2 - 10, y: r.y + r.height / 2 - 10, width: 20, height: 20 } });
    };
    addEventListener('load', () => {
      report('load');
      new MutationObserver((changes) => {
        if (changes.some((c) => [...c.addedNodes].includes(document.body))) report('swap');
      }).observe(document.documentElement, { childList: true });
    });
  });
  await page.goto(url);
  entries = await page.evaluate(() => history.length);
  const startPatch = await middleColour(await page.screenshot({ clip: PATCH }));
  await page.click('a.button');  // the start page's way to the connecting screen
  assert.equal(await within(ended, 60000), undefined, `no thank-you page; saw ${shown.length}`);
  assert.ok(subjectThrows >= 1);
  return { page, shown, startPatch, afterProbe, presented, commits };
}

// In each document: every throw picture the page presented (Element Timing),
// named by its first frame's colour, and each moment the program committed a
// staged throw to (a "staged" prediction the program answered "go" to).
function watchPresented() {
  // The page's frame period as the page itself measures it: the median of the
  // last 31 gaps between frames (under load, longer than a 60 Hz frame).
  const gaps = [];
  let last = 0;
  const frame = (t) => {
    if (last && t - last < 100) {
      gaps.push(t - last);
      if (gaps.length > 31) gaps.shift();
    }
    last = t;
    requestAnimationFrame(frame);
  };
  requestAnimationFrame(frame);
  const period = () => (gaps.length ? [...gaps].sort((a, b) => a - b)[gaps.length >> 1] : 1000 / 60);
  const blobs = new Map(), create = URL.createObjectURL;
  URL.createObjectURL = (blob) => { const url = create(blob); blobs.set(url, blob); return url; };
  new PerformanceObserver((list) => list.getEntries().forEach(async (e) => {
    if (e.identifier !== 'throw' || !(e.renderTime > 0)) return;
    const bitmap = await createImageBitmap(blobs.get(e.url) ?? await (await fetch(e.url)).blob());
    const context = new OffscreenCanvas(1, 1).getContext('2d');
    context.drawImage(bitmap, 0, 0, 1, 1);
    window.pagePresented({ document: window.testDocument, time: e.renderTime,
      colour: [...context.getImageData(0, 0, 1, 1).data.slice(0, 3)] });
  })).observe({ type: 'element', buffered: true });
  const Native = window.WebSocket;
  window.WebSocket = function (...args) {
    const socket = new Native(...args), predicted = new Map(), names = new Map();
    const send = socket.send.bind(socket);
    socket.send = (data) => {
      const m = typeof data === 'string' ? JSON.parse(data) : {};
      if (m.type === 'staged') predicted.set(`${m.id} ${m.n}`, m.at);
      return send(data);
    };
    socket.addEventListener('message', (e) => {
      if (typeof e.data !== 'string') {  // a stage names its throw's picture
        const text = new TextDecoder().decode(e.data);
        const head = JSON.parse(text.slice(0, text.indexOf('\n')));
        if (head.type === 'stage') names.set(head.id, /(\d)to(\d)\.gif/.exec(text)?.[0]);
        return;
      }
      const m = JSON.parse(e.data);
      if (m.type === 'go') {
        window.pageCommitted({ document: window.testDocument, name: names.get(m.id),
          at: predicted.get(`${m.id} ${m.n}`), period: period() });
      }
    });
    return socket;
  };
}

// The throw pictures presented are the throws the game made, in order (the
// last throw's extra one after it included, when reported in time); with `some`, a page loaded
// (which shows the game as it is then) may have missed some. None is
// presented a frame (at the page's own frame rate) before the moment the
// program committed its tick to.
const FRAME_MS = 1000 / 60;
function checkPresented(run, presented, commits, { some = false } = {}) {
  const made = [...run.stderr().matchAll(/\] (?:throw \d+ of \d+|extra throw [^:]*): Player (\d) to Player (\d)/g)]
    .map(([, from, to]) => `${from}to${to}`);
  const named = (p) => `${(p.colour[0] - 20) / 40}to${(p.colour[1] - 20) / 40}`;
  const seen = [];
  let last = null;
  const ordered = [...presented].sort((a, b) => a.document - b.document || a.time - b.time);
  for (const { colour, time, document } of ordered) {
    const name = named({ colour });
    if (name === '0to0' || (last && last.name === name)) continue;  // the opening; a reload
    seen.push(name);
    last = { name, time, document };
  }
  if (some) {
    let i = 0;
    for (const name of seen) while (made[i++] !== name) assert.ok(i < made.length, `${seen} in ${made}`);
  } else {
    // The extra throw's report may be lost to the thank-you page that follows it
    // within a delay: on a busy machine the presentation entry comes later.
    const extra = /extra throw/.test(run.stderr()) && seen.length === made.length - 1;
    assert.deepEqual(seen, extra ? made.slice(0, -1) : made, 'the pictures presented are the throws made');
  }
  for (const { at, document, name, period } of commits) {
    const next = ordered.find((p) => p.document === document && p.time >= at - 100 &&
      `${named(p)}.gif` === name);
    const frame = Math.max(FRAME_MS, period);
    if (next) assert.ok(next.time >= at - frame, `presented at ${next.time}, committed ${at}, frame ${frame}`);
  }
}

// Each logged throw was shown as its page file shows it; in the swap path
// every logged throw was swapped in, its animation at its first frame when
// the screenshot came before that frame ended. A page loaded shows the game
// as it is when it loads, so without swaps a busy machine may skip a
// computer's throw, never one the game waited on.
async function checkShown(run, shown, receivers, { swapped, photodiode = false, afterProbe = -1 }) {
  const pages = await composedPages(run, receivers);
  const expected = [];
  for (const page of pages) {
    expected.push(await checker.evaluate(({ text, fn }) =>
      eval(`(${fn})`)(new DOMParser().parseFromString(text, 'text/html')),
    { text: page.text, fn: shownMarkup.toString() }));
  }
  if (!swapped) {
    let n = 0;
    for (const { markup, how } of shown) {
      if (n === pages.length - 1 && markup !== expected[n]) break;  // after the last logged throw
      while (n < pages.length && markup !== expected[n]) n++;
      assert.ok(n < pages.length, `a page (${how}) out of order or unlike the page files: ${markup}`);
    }
    pages.forEach((page, i) => (i === 0 || page.receiver === 2) && assert.ok(
      shown.some(({ markup }) => markup === expected[i]), `throw ${i} was not shown`));
    return;
  }
  assert.ok(shown.length >= pages.length, `${shown.length} pages shown`);
  // The throw made from the page the probe loaded may be loaded, and so may the
  // throws after it until a page has its socket and pictures ready (on a busy
  // machine longer than a computer player's delay): from the first swap on,
  // every throw is swapped.
  let loading = false;
  for (let n = 0; n < pages.length; n++) {
    assert.equal(shown[n].markup, expected[n], `throw ${n} (${shown[n].how})`);
    loading = (loading || n === afterProbe) && shown[n].how === 'load';
    if (n === 0 || loading) continue;
    assert.equal(shown[n].how, 'swap', `throw ${n}`);
    if (shown[n].elapsed < FIRST_FRAME_MS) {
      assert.ok(near(shown[n].colour, firstFrameColour(pages[n].thrower, pages[n].receiver)),
        `throw ${n} showed ${shown[n].colour} ${shown[n].elapsed} ms after the swap`);
      // With the patch white for 60 frames (a second at most rates).
      if (photodiode) assert.deepEqual(shown[n].patch, [255, 255, 255], `throw ${n}'s patch`);
    }
  }
}

for (const [players, method] of [[3, 'click'], [4, 'keys']]) {
  test(`a ${players}-player game in the staged path, the subject throwing by double ${method}`, async () => {
    const subject = `S${players}${method}`;
    // The 4-player game shows the photodiode patch: black on the start page.
    const photodiode = players === 4;
    const run = await start(root, players, ['--no-browser', ...(photodiode ? ['--photodiode-frames', '60'] : [])],
      subject, { animations: true, delay: '0.5,0.1' });
    // The 4-player game is tried with Back and Forward; it is still one game.
    const { page, shown, startPatch, afterProbe, presented, commits } = await play(run, method,
      { backAndForth: photodiode, double: true });
    const { receivers } = await checkLogs(run, subject, { staged: true });
    await checkShown(run, shown, receivers, { swapped: true, photodiode, afterProbe });
    checkPresented(run, presented, commits);
    assert.ok(commits.length > 0, 'no throw was shown on its committed frame');
    if (photodiode) assert.deepEqual(startPatch, [0, 0, 0]);
    assert.match(run.stderr(), /display: each throw sent ahead and shown on the frame it is logged on \(--display staged\)/);
    // Closing the page ends the program (after its grace for a page to return); so does SIGTERM.
    if (players === 3) await page.close();
    else run.child.kill('SIGTERM');
    await run.ends();
    // The session record: what the page found of the window it ran in (a game's pages show for
    // seconds, far more than the frames the rate is measured over).
    const [header, record, ...more] = await rows(run.folder, 'sessions.csv');
    assert.equal(more.length, 0);
    const fields = Object.fromEntries(header.trim().split(',').map((name, i) =>
      [name, record.trim().split(',')[i]]));
    assert.match(fields.browser, /^none \(--no-browser\): (Chromium|Google Chrome) \d+(\.\d+){3}$/);
    assert.match(fields.screen, /^[1-9]\d*x[1-9]\d*$/);
    assert.match(fields['frame rate Hz'], /^\d+\.\d$/);
    assert.equal(fields.outcome, 'completed');
    assert.match(fields['lag max ms'], /^-?\d+(\.5)?$/);
    assert.match(run.stderr(), /session record: .*sessions\.csv/);
  });
}

test('a page that loses its socket mid-game, and the navigate path (double clicks and keys), ' +
  'still log every throw', async () => {
  for (const [args, subject] of [[[], 'SLOST'], [['--display', 'navigate'], 'SNAVIGATE']]) {
    const run = await start(root, 3, ['--no-browser', ...args], subject, { animations: true });
    const { page, shown, presented, commits } = await play(run, args.length ? 'both' : 'click',
      args.length ? { backAndForth: true, double: true } : { loseSocketAfter: 3 });
    // A page left before it was presented reports nothing.
    const { receivers } = await checkLogs(run, subject, { someOnsets: true, staged: !args.length });
    // The socket lost while the next throw was staged: nothing shown unlogged.
    if (!args.length) checkPresented(run, presented, commits, { some: true });
    await checkShown(run, shown, receivers, { swapped: false });
    if (args.length) assert.ok(shown.every((s) => s.how === 'load'), 'navigate: every page loaded');
    await page.close();
    await run.ends();
  }
});

test('a program ended while its next throw is staged: the page never shows that throw',
  async () => {
    const run = await start(root, 3, ['--no-browser'], 'SSTAGEDEND', { animations: true });
    const page = await browser.newPage();
    const presented = [];
    let committed;
    const goes = new Promise((resolve) => { committed = resolve; });
    await page.exposeBinding('pagePresented', (_source, info) => presented.push(info));
    await page.exposeBinding('pageCommitted', (_source, info) => committed(info));
    await page.addInitScript(watchPresented);
    await page.goto(await run.firstLine);
    await page.click('a.button');
    // The first computer throw is staged at the game's start and committed to
    // its frame 8 s later: the program ends in between.
    const { at } = await within(goes, 30000).then((c) => (c === 'timeout' ? assert.fail('no go') : c));
    run.child.kill('SIGTERM');
    await run.ends();
    // Until well past the frame it was committed to.
    while (await page.evaluate(() => performance.now()) < at + 1000) await sleep(200);
    assert.deepEqual(presented.filter((p) => p.colour.join() !== firstFrameColour(0, 0).join()), [],
      'no throw presented');
    assert.deepEqual(await rows(run.folder, 'log.csv'), [], 'no rows for an unfinished game');
    const [, record] = await rows(run.folder, 'sessions.csv');
    assert.match(record, /,window closed at throw 0,/);
    await page.close();
  });

// Station 1 stages its throws, 2 swaps them in, 3 and 4 load them.
test('four stations on one folder: every row intact, each window shown its own game only',
  async () => {
    const folder = await programFolder(root, 3);
    const runs = [];
    for (const n of [1, 2, 3, 4]) {
      await addSettings(folder, 3, `station${n}`, { delay: '1,0', tag: `-${n}` });
      runs.push(await start(root, 3, ['--no-browser', '--display', ['staged', 'swap', 'navigate', 'navigate'][n - 1]],
        `ST${n}`, { folder, settings: `station${n}.txt` }));
    }
    const games = await Promise.all(runs.map((run) => play(run, 'click')));
    games.forEach(({ shown }, n) => {
      assert.ok(shown.length > 0, `station ${n + 1} showed no game page`);
      for (const { markup } of shown) {
        assert.deepEqual([...new Set(markup.match(/Alex-\d/g))], [`Alex-${n + 1}`],
          `station ${n + 1}: ${markup.slice(0, 300)}`);
      }
    });
    // A second client with the address but not the window's cookie gets nothing.
    const url = await runs[0].firstLine;
    for (const file of ['html/start.htm', 'html/quindle.htm', 'events', 'socket']) {
      const address = url.replace(/html\/start\.htm$/, file);
      assert.equal((await fetch(address, { headers: { Accept: 'text/html' } })).status, 403, file);
    }
    await Promise.all(games.map(({ page }) => page.close()));
    await Promise.all(runs.map((run) => run.ends()));
    for (const file of ['log.csv', 'time.csv']) {
      const all = (await rows(folder, file)).map((row) => row.trimEnd().split(','));
      assert.deepEqual(all.map((f) => `${f[0]} ${f[8]} ${f.length}`).sort(),
        [1, 2, 3, 4].map((n) => `ST${n} Alex-${n} ${12 + THROWS}`), file);
    }
  });

// Each game driven over plain HTTP as its window would: the first request
// claims the run and is given the cookie every later one carries, "connected"
// starts the game, each "2to3" is a throw. Most are killed as their rows are
// being appended, the others at any moment.
test('kill -9 at random moments in 20 games: no partial row, earlier rows byte-identical',
  async () => {
    const earlier = 'S,"Lee, Jo",x\r\nS0,short.txt,01/02/25,10:00,3,6,short.txt,start.htm,' +
      'Alex,You,Jordan,,1,2,3,1,2,3\r\n';
    const folder = await programFolder(root, 3, '0,0');
    await fs.mkdir(path.join(folder, 'log'));
    for (const file of ['log.csv', 'time.csv']) {
      await fs.writeFile(path.join(folder, 'log', file), earlier, 'latin1');
    }
    await Promise.all([...Array(20).keys()].map(async (n) => {
      const run = await start(root, 3, ['--no-browser'], `K${n}`, { folder });
      const over = run.says(/\] game over$/);
      const url = await run.firstLine;
      let cookie;
      for (const file of ['start.htm', 'connected.htm', ...Array(THROWS + 1).fill('2to3.htm')]) {
        const res = await fetch(url.replace(/start\.htm$/, file),
          { headers: { Accept: 'text/html', Cookie: cookie ?? '' }, redirect: 'manual' });
        cookie ??= res.headers.get('set-cookie');
      }
      assert.match(cookie, /^volleta=[0-9a-f]{32}; Path=\/\w+\/; HttpOnly; SameSite=Strict$/);
      await within(n % 4 === 1 ? sleep(Math.random() * 8000)
        : over.then(() => sleep(Math.random() * 4)), 60000);
      run.child.kill('SIGKILL');
      assert.ok(['SIGKILL', 0].includes(await run.exited));
    }));
    const [log, time] = await Promise.all(['log.csv', 'time.csv'].map((f) => rows(folder, f)));
    for (const file of [log, time]) {
      assert.equal(file.slice(0, 2).join(''), earlier);
      file.slice(2).forEach((row) => assert.equal(row.split(',').length, 12 + THROWS, row));
    }
  });

test('with --headless the program launches the browser and ends when it does', async () => {
  const run = await start(root, 3, ['--headless', '--browser', '/usr/bin/chromium'], 'SHEADLESS');
  // An end before any page connected is a failed launch, not a closed window.
  await run.says(/the window shows the experiment/);
  const children = await fs.readFile(`/proc/${run.child.pid}/task/${run.child.pid}/children`, 'utf8');
  const pid = parseInt(children, 10);
  const cmdline = await fs.readFile(`/proc/${pid}/cmdline`, 'utf8');
  const profile = /--user-data-dir=([^\0]*)/.exec(cmdline)[1];
  process.kill(pid, 'SIGKILL');
  await run.ends();
  assert.equal(run.stdout(), '', 'no address printed with a window');
  await assert.rejects(fs.access(profile), 'the temporary profile is removed');
});
