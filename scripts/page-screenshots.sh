#!/usr/bin/env bash
# Makes the screenshots of the shipped pages in docs/screenshots/: the start,
# connecting and thank-you pages, and game pages the program composes from the
# shipped template (one with the photodiode patch), in headless Chromium at 1366x768. Run after ./test.sh (or a
# default build and `npm ci` in tests/e2e): scripts/page-screenshots.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export VOLLETA_PROGRAM_DIR=${VOLLETA_PROGRAM_DIR:-$here/build/default/program}
export VOLLETA_COMPOSE_EXPERIMENT_PAGE=${VOLLETA_COMPOSE_EXPERIMENT_PAGE:-$here/build/default/tests/e2e/compose_experiment_page}
export SHOTS=$here/docs/screenshots SOURCE=$here
cd "$here/tests/e2e"  # for its playwright-core
exec node --input-type=module - <<'JS'
import http from 'node:http';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { execFileSync } from 'node:child_process';
import { launchChromium } from './lib/chromium.mjs';

const { VOLLETA_PROGRAM_DIR: PROGRAM, VOLLETA_COMPOSE_EXPERIMENT_PAGE: COMPOSE, SHOTS } = process.env;
const folder = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-shots-'));
for (const sub of ['html', 'settings', 'schedules']) {
  await fs.cp(path.join(PROGRAM, sub), path.join(folder, sub), { recursive: true });
}
// With ?photodiode the page gets the program's own page script as a session with --photodiode
// serves it (6 frames), for a picture of the patch; its socket has nowhere to connect here.
const pageScript = (await fs.readFile(path.join(process.env.SOURCE, 'src/browser/page_script.js'), 'utf8'))
  .replace('/*@SEQ@*/0', '1').replace('/*@NUMBER@*/0', '1').replace('/*@SWAP@*/false', 'false')
  .replace('/*@PHOTODIODE@*/0', '6').replace('@PREFIX@', '/none');
const server = http.createServer(async (req, res) => {
  const url = new URL(req.url, 'http://x');
  const file = path.join(folder, decodeURIComponent(url.pathname));
  let body = file.startsWith(`${folder}/html/`) && await fs.readFile(file).catch(() => null);
  if (body && url.searchParams.has('photodiode')) {
    body = Buffer.from(`${body}\n<script>\n${pageScript}</script>\n`);
  }
  res.writeHead(body ? 200 : 404, { 'Cache-Control': 'no-store' }).end(body || '');
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const origin = `http://127.0.0.1:${server.address().port}`;
const browser = await launchChromium();
// Shows html/<file> and takes its picture `ms` later (the animations play once).
async function shoot(file, name, ms, query = '') {
  const page = await (await browser.newContext({ viewport: { width: 1366, height: 768 } })).newPage();
  await page.goto(`${origin}/html/${file}${query}`, { waitUntil: 'load' });
  await page.waitForTimeout(ms);
  await page.screenshot({ path: path.join(SHOTS, `${name}.png`) });
  await page.context().close();
}
await shoot('start.htm', 'start', 100);
await shoot('connecting.htm', 'connecting', 3800);
await shoot('thankyou.htm', 'thankyou', 100);
for (const players of [4, 3]) {
  for (const [kind, from, to, count] of [['opening', 2, 0, 0], ['computer', 1, 3, 4],
    ['computer', 3, 2, 5], ['subject', 2, 1, 6], ['computer', 4, 1, 7]]) {
    if (from > players) continue;
    execFileSync(COMPOSE, [folder, `${players}pl - include subject.txt`, kind, from, to, count].map(String));
    if (players === 4 && from === 1) await shoot('quindle.htm', 'game-4player-ball-in-flight', 650);
    if (players === 4 && from === 3) await shoot('quindle.htm', 'game-4player-photodiode', 1600, '?photodiode');
    await shoot('quindle.htm', `game-${players}player-${kind}-${from}to${to}`, 1600);
  }
}
await browser.close();
server.close();
await fs.rm(folder, { recursive: true, force: true });
console.log(SHOTS);
JS
