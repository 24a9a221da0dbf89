// --check of volleta.exe under Wine says what the Linux build says, to the
// character: on each shipped condition and on refused files. Both run on the
// same copy of the program folder, whose name is not ASCII; the one
// difference allowed is how each system spells that folder's path.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { ownEnvironment } from '../e2e/lib/game_run.mjs';

const { VOLLETA_EXE, VOLLETA_RUNNER, VOLLETA_LINUX_EXE, VOLLETA_PROGRAM_DIR } = process.env;
const root = await fs.mkdtemp(path.join(os.tmpdir(), 'volleta-check-'));
after(() => fs.rm(root, { recursive: true, force: true }));
const folder = path.join(root, 'Études – program');
await Promise.all(['html', 'settings', 'schedules'].map((sub) =>
  fs.cp(path.join(VOLLETA_PROGRAM_DIR, sub), path.join(folder, sub), { recursive: true })));

// The folder's name as the outputs show it (read as Latin-1 bytes), on Linux and under Wine.
const folderBytes = Buffer.from(folder, 'utf8').toString('latin1');
const windowsFolder = `Z:${folderBytes.replaceAll('/', '\\')}`;
const escaped = folderBytes.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');

const run = (command, args) => {
  const r = spawnSync(command, args, { encoding: 'latin1', timeout: 120000,
    env: ownEnvironment(root) });
  return { status: r.status, out: r.stdout, err: r.stderr };
};

// What each build says of `settings`; the Windows paths of the folder read as Linux ones.
function both(settings) {
  const linux = run(VOLLETA_LINUX_EXE, ['--folder', folder, '--check', settings]);
  const windows = run(VOLLETA_RUNNER, [VOLLETA_EXE, '--folder', folder, '--check', settings]);
  const unix = (text) => text.replaceAll(windowsFolder, folderBytes)
    .replace(new RegExp(`${escaped}[^\\s",)]*`, 'g'), (p) => p.replaceAll('\\', '/'));
  return { linux, windows: { ...windows, out: unix(windows.out), err: unix(windows.err) } };
}

test('the Linux build is there to compare with', async () => {
  await assert.doesNotReject(fs.access(VOLLETA_LINUX_EXE), `${VOLLETA_LINUX_EXE}: build the default preset first`);
});

test('each shipped condition: the same summary', async () => {
  for (const name of await fs.readdir(path.join(folder, 'settings'))) {
    const { linux, windows } = both(name);
    assert.equal(linux.status, 0, `${name}: ${linux.err}`);
    assert.match(linux.out, /All checks passed\./);
    assert.deepEqual(windows, linux, name);
  }
});

test('refused files: the same message and exit status', async () => {
  const shipped = await fs.readFile(path.join(folder, 'settings', '4pl - include subject.txt'), 'latin1');
  const faults = {
    'players.txt': shipped.replace(/^(Number of players[^,]*,).*$/m, '$15'),
    'schedule.txt': shipped.replace(/^(Schedule file[^,]*,).*$/m, '$1missing.txt'),
    'throws.txt': shipped.replace(/^(Number of throws in the game,).*$/m, '$1lots'),
  };
  for (const [name, text] of Object.entries(faults)) {
    assert.notEqual(text, shipped, `${name} differs from the shipped file`);
    await fs.writeFile(path.join(folder, 'settings', name), text, 'latin1');
    const { linux, windows } = both(name);
    assert.equal(linux.status, 2, `${name}: ${linux.err}`);
    assert.match(linux.err, /Problem: /);
    assert.deepEqual(windows, linux, name);
  }
  const { linux, windows } = both('no such file.txt');
  assert.equal(linux.status, 2);
  assert.deepEqual(windows, linux);
});
