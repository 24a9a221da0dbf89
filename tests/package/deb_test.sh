#!/usr/bin/env bash
# The Debian package: made once with cpack from this build, listed, unpacked into a throw-away
# root and run from there as the installed program; --new-study makes a study folder that passes
# --check when the program is run inside it, as the README tells users.
# Usage: deb_test.sh BUILD_DIR PROGRAM
set -uo pipefail
build=$(realpath "$1")
program=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
# The installed program's own home and settings, never the user's.
export HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME"
failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}
# Runs a command, keeping its status, standard output and standard error.
run() {
  "$@" >"$work/out" 2>"$work/err"
  status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}
expect() {  # expect STATUS TEXT-IN-STDERR WHAT
  [[ $status == "$1" && $err == *"$2"* ]] ||
    fail "$3: status $status, expected $1 and \"$2\" in: $err"
}

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAILED: cpack" >&2
  exit 1
fi
deb=$(find "$work/cpack" -maxdepth 1 -name 'volleta-*-linux-*.deb' -print -quit)
[[ -n $deb ]] || { echo "FAILED: cpack made no volleta-*-linux-*.deb" >&2; exit 1; }

# The listing: the executable, the experiment with its generated pictures; nothing a run writes.
listing=$(dpkg-deb -c "$deb")
share=./usr/share/volleta/experiment
for path in ./usr/bin/volleta "$share/settings/4pl - ostracize subject.txt" \
            "$share/schedules/3pl - include subject.txt" "$share/html/template.htm" \
            "$share/html/anim/4player/1to3.gif" "$share/html/faces/blue.png" "$share/readme.htm" \
            ./usr/share/doc/volleta/README.md ./usr/share/doc/volleta/docs/ttl.md; do
  grep -qF -- " $path" <<<"$listing" || fail "the package does not hold $path"
done
grep -E 'quindle|/log/|/program/' <<<"$listing" &&
  fail "the package holds files of a run or the build"

version=$("$program" --version)
[[ $version == "volleta $(dpkg-deb -f "$deb" Version)" ]] || fail "package version vs $version"
# Maintainer and Homepage are the ones the README gives its readers.
readme=$(cat "$(dirname "$0")/../../README.md")
for field in Maintainer Homepage; do
  value=$(dpkg-deb -f "$deb" "$field")
  [[ -n $value && $readme == *"$value"* ]] || fail "$field \"$value\" is not the README's"
done
depends=$(dpkg-deb -f "$deb" Depends)
for dep in "chromium | chromium-browser | firefox-esr | firefox" libc6 libstdc++6; do
  [[ $depends == *"$dep"* ]] || fail "Depends lacks $dep: $depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
installed=$root/usr/bin/volleta
cd "$work"

# Outside a study folder the installed program refuses, saying how to make one.
run "$installed" "4pl - ostracize subject.txt"
expect 2 "volleta --new-study ~/mystudy" "installed program outside a study"

study="$work/my study"
run "$installed" --new-study "$study"
expect 0 "cd '$study' && $installed" "--new-study"
[[ $out == "$study" ]] || fail "--new-study printed \"$out\", not the folder"
[[ $err == *"settings/ (4 files), one per condition:"* ]] || fail "--new-study summary: $err"
cmp -s "$study/readme.htm" "$root/usr/share/volleta/experiment/readme.htm" ||
  fail "readme.htm was not copied"

cd "$study"
for condition in "3pl - include subject.txt" "4pl - ostracize subject.txt"; do
  run "$installed" --check "$condition"
  expect 0 "" "--check $condition in the new study"
  [[ $out == *"All checks passed."* && $out == *"Logs: no rows yet in $study/log"* ]] ||
    fail "--check $condition: $out"
done
cd "$work"

# Refusals name the folder and the fault, and copy nothing.
run "$installed" --new-study "$study"
expect 2 "--new-study: $study is not empty" "a study folder made twice"
touch "$work/file"
run "$installed" --new-study "$work/file/sub"
expect 2 "--new-study: $work/file/sub could not be made: " "a folder below a file"
[[ -z $out ]] || fail "a refusal printed \"$out\""

# A program folder as the build lays it out, after a run: its copy leaves out the executable,
# the logs and the game page.
cp -r "$(dirname "$program")" "$work/program"
mkdir -p "$work/program/log" && touch "$work/program/log/log.csv" "$work/program/html/quindle.htm"
run "$work/program/volleta" --new-study "$work/from-build"
expect 0 "Run it with:" "--new-study from a program folder"
copy=$work/from-build
[[ ! -e $copy/volleta && ! -e $copy/log && ! -e $copy/html/quindle.htm ]] ||
  fail "the program folder's copy holds the executable, the logs or the game page"
run "$program" --folder "$copy" --check "3pl - ostracize subject.txt"
[[ $status == 0 && $out == *"All checks passed."* ]] ||
  fail "--check of the program folder's copy: $out $err"

((failures == 0)) && echo "package test passed"
((failures == 0))
