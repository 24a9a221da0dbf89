#!/usr/bin/env bash
# ./run.sh works in a study folder of its own: made on the first run, then left as the
# experimenter made it (edited conditions, logs) by every later run and the build it does.
# Usage: study_test.sh SOURCE_DIR
set -uo pipefail
source_dir=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
export HOME=$work/home XDG_CONFIG_HOME=$work/config VOLLETA_STUDY=$work/study
mkdir -p "$HOME"
failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}
condition="4pl - include subject.txt"

"$source_dir/run.sh" --check "$condition" >"$work/out" 2>"$work/err" ||
  fail "first run: status $?: $(cat "$work/err")"
[[ -f $work/study/settings/$condition ]] || fail "the first run made no study folder"
grep -qF "its logs go to $work/study/log" "$work/err" || fail "no word of the logs: $(cat "$work/err")"

# The experimenter's own condition and a session's log row.
sed -i 's/^\(Number of throws[^,]*\),30/\1,20/' "$work/study/settings/$condition"
cp "$work/study/settings/$condition" "$work/edited.txt"
mkdir -p "$work/study/log"
printf 'S1,x.txt,12/07/26,12:40,4,1,x.txt,start.htm,A,You,B,C,3\r\n' >"$work/study/log/log.csv"
cp "$work/study/log/log.csv" "$work/log.csv"

"$source_dir/run.sh" --check "$condition" >"$work/out" 2>"$work/err" ||
  fail "second run: status $?: $(cat "$work/err")"
cmp -s "$work/edited.txt" "$work/study/settings/$condition" || fail "the edited condition was replaced"
cmp -s "$work/log.csv" "$work/study/log/log.csv" || fail "the log was changed"
grep -qF "Total throws: 20" "$work/out" || fail "--check did not read the study's own condition: $(cat "$work/out")"
git -C "$source_dir" check-ignore -q study/ || fail "git does not ignore study/"
exit $((failures > 0))
