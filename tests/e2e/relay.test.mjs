// A whole game in headless Chromium through a relay that delays each
// direction by 40 ± 10 ms, as an online participant's network would, in the
// default display path: the page's every request, event stream and socket go
// through it, and the logs are those of a game on the lab PC.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { CHROMIUM_ARGS, launchChromium } from './lib/chromium.mjs';
import { start, checkLogs, throwUntilEnd } from './lib/game_run.mjs';
import { localhostTo, startRelay } from '../../bench/relay.mjs';

const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-relay-'));
after(() => fs.rm(root, { recursive: true, force: true }));

test('a whole game through a delaying relay logs every throw, each with its onset, the ' +
  "subject's where the clicks sent them", async () => {
  // A second between throws: a throw's onset comes back through the relay long before the
  // game ends.
  const run = await start(root, 3, ['--no-browser'], 'SRELAY', { delay: '1,0' });
  const url = new URL(await run.firstLine);
  const relay = await startRelay({ host: url.hostname, port: Number(url.port) });
  const browser = await launchChromium({ args: [...CHROMIUM_ARGS, localhostTo(relay)] });
  const targets = [];
  try {
    const page = await browser.newPage();
    url.hostname = 'localhost';
    await page.goto(url.href);
    await page.click('a.button');
    await throwUntilEnd(page, { target: (n) => { targets.push(n % 2 ? 3 : 1); return targets[n]; } });
    await page.close();
  } finally {
    await browser.close();
  }
  await run.ends();
  await relay.close();
  for (const request of ['/html/start.htm', '/events?', '/socket']) {
    assert.ok(relay.requests.some((line) => line.includes(request)), `${request}: ${relay.requests}`);
  }
  // Staged, a subject's throw is shown on the click, ahead of its stamp: here by the relay's delay.
  const { receivers } = await checkLogs(run, 'SRELAY', { staged: true });
  // The subject's throws went where the clicks sent them (checkLogs checked the holders).
  const subject = receivers.filter((_, i) => (i === 0 ? 1 : receivers[i - 1]) === 2);
  assert.deepEqual(subject, targets.slice(0, subject.length));
});
