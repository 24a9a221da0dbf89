// A whole game in Debian's headless Firefox ESR, driven over WebDriver BiDi
// (puppeteer-core), in the staged path: every throw after the first page is
// swapped in (the staged ones confirmed by it), and the three logs are right.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { THROWS, start, checkLogs, ownEnvironment, rows } from './lib/game_run.mjs';

const FIREFOX = process.env.FIREFOX_PATH || '/usr/bin/firefox-esr';
const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-firefox-'));
after(() => fs.rm(root, { recursive: true, force: true }));

test('a 3-player game in Firefox in the staged path', { skip: !(await fs.stat(FIREFOX).catch(() => null))
  && `${FIREFOX} is not installed` }, async () => {
  const run = await start(root, 3, ['--no-browser'], 'SFIREFOX');
  const browser = await puppeteer.launch({ browser: 'firefox', executablePath: FIREFOX,
    headless: true, protocol: 'webDriverBiDi', env: ownEnvironment(root) });
  try {
    const page = await browser.newPage();
    // Counts the pages swapped in, across the page loads of the tab.
    await page.evaluateOnNewDocument(() => addEventListener('load', () =>
      new MutationObserver((changes) => {
        if (!changes.some((c) => [...c.addedNodes].includes(document.body))) return;
        sessionStorage.setItem('swaps', String(Number(sessionStorage.getItem('swaps')) + 1));
      }).observe(document.documentElement, { childList: true })));
    await page.goto(await run.firstLine);
    // Locators wait until the link is shown and still, as a participant would.
    await page.locator('a.button').setTimeout(60000).click();
    for (let throws = 0; ; throws++) {
      // The thank-you page, or a page where the subject holds the ball and has not thrown it.
      const state = await (await page.waitForFunction(() => {
        if (location.pathname.endsWith('/thankyou.htm')) return 'end';
        return document.querySelector('a[href^="2to"]') && !document.body.dataset.thrown && 'hold';
      }, { timeout: 60000, polling: 50 })).jsonValue();
      if (state === 'end') break;
      await page.evaluate(() => { document.body.dataset.thrown = '1'; });
      // The extra throw to the subject after the last logged one may end the
      // game while the click is on its way.
      const stop = new AbortController();
      const thrown = page.locator(`td.player.p${throws % 2 ? 3 : 1} a`).setTimeout(60000)
        .click({ signal: stop.signal });
      const ended = page.waitForFunction(() => location.pathname.endsWith('/thankyou.htm'),
        { timeout: 60000, polling: 50 });
      thrown.catch(() => {});
      ended.catch(() => {});
      await Promise.race([thrown, ended]).finally(() => stop.abort());
    }
    const swaps = await page.evaluate(() => Number(sessionStorage.getItem('swaps')));
    assert.ok(swaps >= THROWS, `${swaps} pages swapped in`);
    await checkLogs(run, 'SFIREFOX', { staged: true });
    assert.match(run.stderr(), /display: each throw sent ahead and shown on the frame it is logged on \(--display staged\)/);
  } finally {
    await browser.close();
  }
  run.child.kill('SIGTERM');
  await run.ends();
  // The session record names the browser the page ran in.
  const [, record] = await rows(run.folder, 'sessions.csv');
  assert.match(record, /,none \(--no-browser\): Firefox \d+\.\d+[^,]*,\d+x\d+,\d+\.\d,/);
});
