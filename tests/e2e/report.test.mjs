// The study report of the hand-made logs in tests/report/logs, written by the real program and
// opened in headless Chromium: it renders with no script error and fetches nothing.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchChromium } from './lib/chromium.mjs';
import { ownEnvironment } from './lib/game_run.mjs';

const { VOLLETA_EXE: EXE, VOLLETA_SOURCE_DIR: SOURCE } = process.env;
const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-report-'));
const folder = path.join(root, 'logs');
const browser = await launchChromium();
after(() => Promise.all([browser.close(), fs.rm(root, { recursive: true, force: true })]));

test('the report page renders offline without script errors', async () => {
  await fs.cp(path.join(SOURCE, 'tests', 'report', 'logs'), folder, { recursive: true });
  const written = execFileSync(EXE, ['--report', folder], { encoding: 'utf8',
    stdio: ['ignore', 'pipe', 'ignore'], env: ownEnvironment(root) });
  assert.equal(written.trim(), path.join(folder, 'report.html'));

  const page = await (await browser.newContext({ viewport: { width: 1400, height: 900 } })).newPage();
  const problems = [];
  const fileUrl = pathToFileURL(path.join(folder, 'report.html')).href;
  await page.route((url) => url.href !== fileUrl, (route) => {
    problems.push(`fetch: ${route.request().url()}`);
    return route.abort();
  });
  page.on('pageerror', (e) => problems.push(`script error: ${e.message}`));
  page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
  await page.goto(fileUrl, { waitUntil: 'load' });
  assert.deepEqual(problems, []);

  assert.equal(await page.locator('h1').textContent(), 'Study report');
  assert.equal(await page.locator('table.games svg.timeline').count(), 4);
  assert.equal(await page.locator('ul.problems li').count(), 12);
  assert.equal(await page.getByRole('cell', { name: 'Zoë "Z", Ås', exact: true }).count(), 1);
  // Every timeline is drawn: its bars have a size on screen.
  const box = await page.locator('table.games svg.timeline rect.hold.you').first().boundingBox();
  assert.ok(box && box.width > 0 && box.height > 0);
});
