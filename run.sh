#!/usr/bin/env bash
# Installs what is missing, builds, and runs Volleta on the bundled experiment.
# Arguments are passed to the program: ./run.sh --check, ./run.sh "4pl - include subject.txt"
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
volleta_ensure_packages "${VOLLETA_BUILD_PACKAGES[@]}" "${VOLLETA_RUN_PACKAGES[@]}"
cmake --preset default >/dev/null
cmake --build --preset default -j"$(volleta_jobs)" >/dev/null
exec build/default/program/volleta "$@"
