// Keys 1, 2, 3 in headless Chromium on the game page the program composes
// from the shipped template for a computer throw to the subject.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { execFileSync } from 'node:child_process';
import { launchChromium } from './lib/chromium.mjs';

const GAMES = [
  [4, [['1', '2to1.htm'], ['2', '2to4.htm'], ['3', '2to3.htm'], ['5', null]]],
  [3, [['1', '2to1.htm'], ['2', '2to3.htm'], ['3', null]]],
];

test('keys throw to the right player in 4- and 3-player games; other keys do nothing', async () => {
  const folder = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-keys-'));
  await fs.cp(path.join(process.env.VOLLETA_PROGRAM_DIR, 'html'), path.join(folder, 'html'),
    { recursive: true });
  const url = (file) => pathToFileURL(path.join(folder, 'html', file)).href;
  const browser = await launchChromium();
  try {
    for (const [players, keys] of GAMES) {
      execFileSync(process.env.VOLLETA_COMPOSE_PAGE, [folder, String(players)]);
      const page = await browser.newPage();
      for (const [key, target] of keys) {
        await page.goto(url('quindle.htm'));
        await page.keyboard.press(key);
        await (target ? page.waitForURL(url(target), { timeout: 5000 }) : page.waitForTimeout(1000));
        assert.equal(page.url(), url(target ?? 'quindle.htm'), `${players} players, key ${key}`);
      }
    }
  } finally {
    await browser.close();
    await fs.rm(folder, { recursive: true, force: true });
  }
});
