// Headless Chromium for the browser tests: Debian's /usr/bin/chromium driven
// by playwright-core. The flags keep it off the network, which this machine
// doesn't have, and quiet at start-up.
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

export async function launchChromium(options = {}) {
  return chromium.launch({
    executablePath: CHROMIUM,
    headless: true,
    // As root Chromium refuses to start without --no-sandbox.
    chromiumSandbox: false,
    args: CHROMIUM_ARGS,
    ...options,
  });
}
