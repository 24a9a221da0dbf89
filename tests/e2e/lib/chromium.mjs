// Headless Chromium for the browser tests: Debian's /usr/bin/chromium driven
// by playwright-core. The flags keep it off the network, which this machine
// doesn't have, and quiet at start-up.
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

export const CHROMIUM = process.env.CHROMIUM_PATH || '/usr/bin/chromium';

export const CHROMIUM_ARGS = [
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// A home of its own, removed when it closes: it leaves its crash reports and
// caches there, not in the user's.
export async function launchChromium(options = {}) {
  const home = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-chromium-'));
  const browser = await chromium.launch({
    executablePath: CHROMIUM,
    headless: true,
    // As root Chromium refuses to start without --no-sandbox.
    chromiumSandbox: false,
    args: CHROMIUM_ARGS,
    env: { ...process.env, HOME: home, XDG_CONFIG_HOME: path.join(home, '.config'),
      XDG_CACHE_HOME: path.join(home, '.cache') },
    ...options,
  });
  browser.on('disconnected', () => fs.rm(home, { recursive: true, force: true }));
  return browser;
}
