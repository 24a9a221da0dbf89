// The participant's window on a real X server with a window manager (Xvfb and
// openbox), read back from the window manager: full screen it covers the
// screen without a title bar, in Chromium and in Firefox, and Alt+F4 ends the
// session; by default Chromium's window is maximised under its title bar.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn, execFileSync } from 'node:child_process';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { programFolder, ownEnvironment, command, sleep, within } from './lib/game_run.mjs';

const WIDTH = 1280;
const HEIGHT = 800;
const CHROMIUM = process.env.CHROMIUM_PATH || '/usr/bin/chromium';
const FIREFOX = process.env.FIREFOX_PATH || '/usr/bin/firefox-esr';

const onPath = (name) => {
  try {
    execFileSync('sh', ['-c', `command -v ${name}`], { stdio: 'ignore' });
    return true;
  } catch {
    return false;
  }
};
const missing = ['Xvfb', 'openbox', 'xprop', 'xwininfo', 'xdotool'].filter((t) => !onPath(t));
const skip = process.env.VOLLETA_RUNNER ? 'the Windows build runs no X server'
  : missing.length > 0 && `${missing.join(', ')} not installed`;

const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-window-'));
let display = '';
const servers = [];

// An X client's output, '' when it fails (a window may go while it is read).
const x = (program, args) => {
  try {
    return execFileSync(program, args, { env: { ...process.env, DISPLAY: display },
      encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
  } catch {
    return '';
  }
};

before(async () => {
  if (skip) return;
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', `${WIDTH}x${HEIGHT}x24`,
    '-nolisten', 'tcp'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  servers.push(xvfb);
  display = `:${(await new Promise((resolve) => xvfb.stdio[3].once('data', resolve)))
    .toString().trim()}`;
  servers.push(spawn('openbox', ['--sm-disable'], { env: { ...process.env, DISPLAY: display },
    stdio: 'ignore' }));
  for (const end = Date.now() + 60000; !/window id/.test(x('xprop', ['-root',
    '_NET_SUPPORTING_WM_CHECK'])); await sleep(100)) {
    assert.ok(Date.now() < end, 'the window manager did not start');
  }
});

after(async () => {
  for (const server of servers.reverse()) server.kill('SIGTERM');
  await fs.rm(root, { recursive: true, force: true });
});

// The program on a fresh study folder on the X display; a dialog asking for
// the subject gets SWINDOW, on the terminal or from zenity if it is installed.
async function run(args, { ini } = {}) {
  const folder = await programFolder(root, 3);
  if (ini !== undefined) await fs.writeFile(path.join(folder, 'volleta.ini'), ini);
  const bin = path.join(folder, 'bin');
  await fs.mkdir(bin);
  await fs.writeFile(path.join(bin, 'zenity'), '#!/bin/sh\necho SWINDOW\n', { mode: 0o755 });
  const env = { ...ownEnvironment(root), DISPLAY: display, PATH: `${bin}:${process.env.PATH}` };
  const child = spawn(...command(['--folder', folder, ...args, 'short.txt']),
    { env, stdio: ['pipe', 'ignore', 'pipe'] });
  let stderr = '';
  child.stderr.on('data', (chunk) => { stderr += chunk; });
  child.stdin.end('SWINDOW\n');
  const exited = new Promise((resolve) => child.on('exit', (code, signal) => resolve(code ?? signal)));
  return { child, exited, stderr: () => stderr };
}

// The active window as the window manager has it, once `wanted` holds for it
// (the last one seen when it never does within the limit, which only catches
// a hang).
async function activeWindow(wanted) {
  let last = { props: 'no active window' };
  for (const end = Date.now() + 60000; Date.now() < end; await sleep(200)) {
    const id = /window id # (0x[0-9a-f]+)/.exec(x('xprop', ['-root', '_NET_ACTIVE_WINDOW']))?.[1];
    if (!id || id === '0x0') continue;
    const props = x('xprop', ['-id', id, 'WM_CLASS', '_NET_WM_STATE', '_NET_FRAME_EXTENTS']);
    const info = x('xwininfo', ['-id', id]);
    const number = (label) => Number(new RegExp(`${label}:\\s+(-?\\d+)`).exec(info)?.[1]);
    last = { id, props, x: number('Absolute upper-left X'), y: number('Absolute upper-left Y'),
      width: number('Width'), height: number('Height'),
      fullscreen: /_NET_WM_STATE\(ATOM\) = .*_NET_WM_STATE_FULLSCREEN/.test(props),
      frame: /_NET_FRAME_EXTENTS\(CARDINAL\) = (.*)/.exec(props)?.[1] ?? 'none' };
    if (wanted(last)) return last;
  }
  return last;
}

// Full screen: the whole screen from its corner, no frame, the window
// manager's full-screen state; Alt+F4 then ends the session.
async function checkFullScreen(program, args, ini) {
  const session = await run(['--browser', program, ...args], { ini });
  try {
    const window = await activeWindow((w) => w.fullscreen && w.width === WIDTH);
    assert.match(window.props, program === FIREFOX ? /firefox/i : /chromium/i, window.props);
    assert.deepEqual([window.fullscreen, window.x, window.y, window.width, window.height,
      window.frame], [true, 0, 0, WIDTH, HEIGHT, '0, 0, 0, 0'], window.props);
    // Through the X server, as the keyboard sends it: the window manager's Alt+F4.
    x('xdotool', ['key', 'alt+F4']);
    assert.equal(await within(session.exited, 60000), 0, session.stderr());
  } finally {
    session.child.kill('SIGKILL');
  }
}

test('Chromium full screen by volleta.ini', { skip }, () =>
  checkFullScreen(CHROMIUM, [], '# this study\r\nFullScreen = Yes\r\n'));

test('Firefox full screen by --fullscreen', { skip: skip || (!onPath(FIREFOX) &&
  `${FIREFOX} is not installed`) }, () => checkFullScreen(FIREFOX, ['--fullscreen']));

test('Chromium maximised under its title bar by default', { skip }, async () => {
  const session = await run(['--browser', CHROMIUM]);
  try {
    const window = await activeWindow((w) => /chromium/i.test(w.props) && w.y > 0);
    assert.equal(window.fullscreen, false, window.props);
    assert.match(window.props, /_NET_WM_STATE_MAXIMIZED_VERT/, window.props);
    const top = Number(window.frame.split(',')[2]);
    assert.ok(top > 0 && window.y === top && window.height === HEIGHT - top, window.props);
  } finally {
    session.child.kill('SIGTERM');
    await within(session.exited, 60000);
    session.child.kill('SIGKILL');
  }
});
