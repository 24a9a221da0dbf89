#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks (preset default) and runs
# every bench_* executable, printing their "name value" lines.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
volleta_ensure_packages "${VOLLETA_BUILD_PACKAGES[@]}" "${VOLLETA_TEST_PACKAGES[@]}"
volleta_ensure_npm tests/e2e
cmake --preset default >/dev/null
cmake --build --preset default -j"$(volleta_jobs)" --target benchmarks >/dev/null
# Lab Streaming Layer streams stay on this machine.
export LSLAPICFG="$PWD/tests/lsl/lsl_api.cfg"
status=0
for bench in build/default/bench/bench_*; do
  [[ -f $bench && -x $bench ]] || continue
  "$bench" || { echo "# $(basename "$bench") FAILED" >&2; status=1; }
done
exit $status
