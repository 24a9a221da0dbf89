// volleta.exe under Wine, end to end: a whole short game played by the
// machine's headless Chromium over 127.0.0.1, against the logs, as on Linux.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { launchChromium } from '../e2e/lib/chromium.mjs';
import { within, start, checkLogs } from '../e2e/lib/game_run.mjs';

const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-wine-'));
const browser = await launchChromium();
after(() => Promise.all([browser.close(), fs.rm(root, { recursive: true, force: true })]));

// The subject throws to each player in turn by clicking, until the thank-you page.
async function play(run) {
  const url = await within(run.firstLine, 120000);
  assert.match(url, /^http:\/\/127\.0\.0\.1:\d+\/[0-9a-f]{32}\/html\/start\.htm$/);
  const page = await browser.newPage();
  const targets = run.players === 3 ? [1, 3] : [1, 3, 4];
  let subjectThrows = 0;
  let end;
  const ended = new Promise((resolve) => { end = resolve; });
  await page.exposeBinding('pageShown', async (_source, where, holding) => {
    if (where.endsWith('/thankyou.htm')) end();
    if (!holding) return;
    const target = targets[subjectThrows++ % targets.length];
    await page.click(`td.player.p${target} a`, { timeout: 10000 }).catch((e) => end(String(e)));
  });
  await page.addInitScript(() => {
    const report = () => window.pageShown(location.pathname,
      document.querySelector('a[href^="2to"]') !== null);
    addEventListener('load', () => {
      report();
      new MutationObserver((changes) => {
        if (changes.some((c) => [...c.addedNodes].includes(document.body))) report();
      }).observe(document.documentElement, { childList: true });
    });
  });
  await page.goto(url);
  await page.click('a.button');
  assert.equal(await within(ended, 120000), undefined, 'the game reached the thank-you page');
  assert.ok(subjectThrows >= 1);
  return page;
}

for (const players of [3, 4]) {
  test(`a ${players}-player game of volleta.exe under Wine, played in Chromium`, async () => {
    const subject = `SW${players}`;
    const run = await start(root, players, ['--no-browser'], subject, { delay: '0.5,0.1' });
    const page = await play(run);
    const { receivers } = await checkLogs(run, subject);
    assert.ok(receivers.every((r) => r >= 1 && r <= players), `receivers ${receivers}`);
    assert.match(run.stderr(), /log\.csv: row appended/);
    // Closing the page ends the program once its grace for a page to return is over.
    await page.close();
    await run.ends();
  });
}
