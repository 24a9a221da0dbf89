#!/usr/bin/env bash
# Installs what is missing, builds, and runs Volleta on the bundled experiment in study/.
# Arguments are passed to the program: ./run.sh --check, ./run.sh "4pl - include subject.txt"
#
# study/ (or the folder VOLLETA_STUDY names) is made with --new-study on the first run and is
# never touched by a build: every build copies the experiment over build/default/program/, so
# logs and edited conditions there would be lost. git ignores study/.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
volleta_ensure_packages "${VOLLETA_BUILD_PACKAGES[@]}" "${VOLLETA_RUN_PACKAGES[@]}"
cmake --preset default >/dev/null
cmake --build --preset default -j"$(volleta_jobs)" --target volleta >/dev/null  # with the experiment and its pictures
program=build/default/program/volleta
study=${VOLLETA_STUDY:-study}
if [[ ! -e $study ]]; then
  "$program" --new-study "$study" >/dev/null
fi
echo "run.sh: the study folder is $(realpath "$study"); its logs go to $(realpath "$study")/log" >&2
exec "$program" --folder "$study" "$@"
