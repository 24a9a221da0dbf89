#!/usr/bin/env bash
# Makes docs/screenshots/report.png: the study report of a small made-up study
# (three games of each shipped condition, with display onsets, one duplicated
# row and one pilot row left in), written by the real program and shot by
# headless Chromium. Run after a build: scripts/report-screenshot.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
exe=${VOLLETA_EXE:-$here/build/default/program/volleta}
chromium=${CHROMIUM_PATH:-/usr/bin/chromium}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The logs, with a fixed seed so the picture stays the same from run to run.
node - "$work" <<'JS'
const fs = require('fs');
const path = require('path');
let seed = 20250314;
const rnd = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
const pick = (list) => list[Math.floor(rnd() * list.length)];
const rows = { log: [], time: [], onset: [] };
let subject = 0;
for (const [players, kind] of [[3, 'include'], [3, 'ostracize'], [4, 'include'], [4, 'ostracize']]) {
  const file = `${players}pl - ${kind} subject.txt`;
  for (let g = 0; g < 3; g++) {
    subject += 1;
    const id = `P${String(subject).padStart(2, '0')}`;
    const lead = [id, file, '03/14/25', `${9 + subject}:${subject % 2 ? '05' : '40'}`, players, 30, file,
      'start.htm', 'Alex', 'You', 'Jordan', players === 4 ? 'Sam' : ''].join(',');
    const receivers = [], times = [], onsets = [];
    let holder = 1, t = 8000, fromOne = 0;
    for (let n = 0; n < 30; n++) {
      const others = [1, 2, 3, 4].slice(0, players).filter((p) => p !== holder);
      let to;
      if (holder === 2) to = pick(others);
      else if (kind === 'include') to = pick(others);
      else if (holder === 1 && fromOne < 2) to = 2;
      else to = pick(others.filter((p) => p !== 2));
      if (holder === 1) fromOne += 1;
      receivers.push(to);
      times.push(t);
      onsets.push(rnd() < 0.03 ? '' : t + 12 + Math.floor(rnd() * 25));
      t += to === 2 ? 700 + Math.floor(rnd() * 1800) : 500 + Math.floor(rnd() * 2500);
      holder = to;
    }
    rows.log.push(`${lead},${receivers.join(',')}`);
    rows.time.push(`${lead},${times.join(',')}`);
    rows.onset.push(`${lead},${onsets.join(',')}`);
  }
}
rows.log.push(rows.log[4]);  // a row pasted twice
const pilot = 'PILOT-001,4pl - include subject.txt,03/13/25,16:20,4,3,4pl - include subject.txt,start.htm,Alex,You,Jordan,Sam';
rows.log.push(`${pilot},2,3,1`);
rows.time.push(`${pilot},8000,9200,11000`);
for (const [name, list] of Object.entries(rows)) {
  fs.writeFileSync(path.join(process.argv[2], `${name}.csv`), list.map((r) => `${r}\r\n`).join(''));
}
JS

HOME=$work XDG_CONFIG_HOME=$work/config "$exe" --report "$work" >/dev/null 2>&1
"$chromium" --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1400,1960 \
  --screenshot="$here/docs/screenshots/report.png" "file://$work/report.html" 2>/dev/null
echo "$here/docs/screenshots/report.png"
