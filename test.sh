#!/usr/bin/env bash
# Installs what is missing, builds, runs every test and prints the totals:
#   0. the C++ sources' format (clang-format, .clang-format);
#   1. the tests (unit, end-to-end with the real program, browser) on the normal build;
#   2. the same tests under AddressSanitizer and UndefinedBehaviorSanitizer (but the
#      browser and package suites; the pilot's whole games run there);
#   3. each libFuzzer target for a bounded time on its seed corpus;
#   4. the Windows build's tests under Wine (VOLLETA_WINDOWS=0 leaves them out).
# VOLLETA_QUICK=1 runs step 1 only.
set -uo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
windows=${VOLLETA_WINDOWS:-1}
packages=("${VOLLETA_BUILD_PACKAGES[@]}" "${VOLLETA_TEST_PACKAGES[@]}")
[[ $windows == 1 ]] && packages+=("${VOLLETA_WINDOWS_PACKAGES[@]}")
volleta_ensure_packages "${packages[@]}" || exit 1
volleta_ensure_npm tests/e2e || exit 1

jobs=$(volleta_jobs)
passed=0
failed=0
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

# Runs ctest on a preset and adds its counts to the totals.
run_ctest() {
  local preset=$1
  local test_jobs=${2:-$jobs}
  local exclude=${3:-}
  echo "== $preset: configure and build"
  if ! cmake --preset "$preset" >"$log/$preset-configure.txt" 2>&1 ||
     ! cmake --build --preset "$preset" -j"$jobs" >"$log/$preset-build.txt" 2>&1; then
    tail -n 60 "$log/$preset-configure.txt" "$log/$preset-build.txt" 2>/dev/null
    echo "== $preset: build FAILED"
    failed=$((failed + 1))
    return
  fi
  echo "== $preset: tests"
  ctest --preset "$preset" -j"$test_jobs" ${exclude:+-E "$exclude"} 2>&1 | tee "$log/$preset-ctest.txt" | grep -E 'Test +#|tests passed|FAILED|Failed|\*\*\*' || true
  # A failure's own output, so a CI log says why and not only which.
  awk '/\*\*\*(Failed|Timeout|Exception)|\(Failed\)|\(Timeout\)/ { n = 120; print "---- " $0; next }
       n > 0 && /^ *[0-9]+\/[0-9]+ Test +#/ { n = 0 }
       n > 0 { print; n-- }' "$log/$preset-ctest.txt"
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log/$preset-ctest.txt" | tail -n 1)
  if [[ -z $line ]]; then
    echo "== $preset: ctest printed no summary"
    failed=$((failed + 1))
    return
  fi
  local nfail total
  nfail=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + total - nfail))
  failed=$((failed + nfail))
}

run_fuzzers() {
  echo "== fuzz: configure and build"
  if ! cmake --preset fuzz >"$log/fuzz-configure.txt" 2>&1 ||
     ! cmake --build --preset fuzz -j"$jobs" --target fuzzers >"$log/fuzz-build.txt" 2>&1; then
    tail -n 60 "$log/fuzz-configure.txt" "$log/fuzz-build.txt" 2>/dev/null
    echo "== fuzz: build FAILED"
    failed=$((failed + 1))
    return
  fi
  local seconds=${VOLLETA_FUZZ_SECONDS:-10} target
  for target in build/fuzz/fuzz/fuzz_*; do
    [[ -x $target ]] || continue
    local name corpus
    name=$(basename "$target")
    corpus="$log/corpus-$name"
    mkdir -p "$corpus"
    echo "== fuzz: $name for ${seconds}s"
    if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
         "$corpus" "fuzz/corpus/${name#fuzz_}" >"$log/$name.txt" 2>&1; then
      echo "   $name: no crash, hang or leak ($(grep -o 'Done [0-9]* runs' "$log/$name.txt" | tail -n 1))"
      passed=$((passed + 1))
    else
      tail -n 40 "$log/$name.txt"
      echo "   $name: FAILED"
      failed=$((failed + 1))
    fi
  done
}

# One format for the C++ sources (.clang-format): a file clang-format would
# change fails the run.
check_format() {
  echo "== format: clang-format over the tracked C++ files"
  local files
  mapfile -t files < <(git ls-files -- '*.cpp' '*.hpp' '*.h' ':!third_party')
  if ((${#files[@]} == 0)); then
    echo "   not a git checkout: format check skipped"
  elif clang-format --dry-run -Werror "${files[@]}" >"$log/format.txt" 2>&1; then
    echo "   ${#files[@]} files formatted"
    passed=$((passed + 1))
  else
    grep -E '^[^ ].*(error|warning):' "$log/format.txt" | cut -d: -f1 | sort -u | head -n 20
    echo "   format: FAILED (run clang-format -i on the files above)"
    failed=$((failed + 1))
  fi
}

check_format
run_ctest default
if [[ ${VOLLETA_QUICK:-0} != 1 ]]; then
  # The browser suites check what the browser does and ran on the normal
  # build; the pilot's whole games still put the program under the sanitizers
  # with a real browser. Keeps CI within its half hour.
  run_ctest asan "$jobs" '^(e2e|package)\.'
  run_fuzzers
  # One Wine test at a time: they share one prefix and its wineserver.
  [[ $windows == 1 ]] && run_ctest windows 1
fi

echo
echo "totals: $passed passed, $failed failed"
((failed == 0))
