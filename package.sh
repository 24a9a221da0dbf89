#!/usr/bin/env bash
# Makes the release files in dist/, named with the version of CMakeLists.txt's project():
#   volleta-VERSION-linux-ARCH.deb     the Debian/Ubuntu package, from the default build (CPack)
#   volleta-VERSION-windows-x64.zip    the program folder of the windows cross build, when this
#                                      checkout has the windows preset
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
volleta_ensure_packages "${VOLLETA_BUILD_PACKAGES[@]}" "${VOLLETA_PACKAGE_PACKAGES[@]}"
jobs=$(volleta_jobs)
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT
mkdir -p dist

# Runs a step quietly; on failure shows the end of its output and stops.
step() {
  local name=$1
  shift
  if ! "$@" >"$log/$name.txt" 2>&1; then
    tail -n 40 "$log/$name.txt"
    echo "package.sh: $name FAILED" >&2
    exit 1
  fi
}

echo "== Debian package"
step configure cmake --preset default
step build cmake --build --preset default -j"$jobs"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/default/CMakeCache.txt)
rm -rf build/deb
step cpack cpack --config build/default/CPackConfig.cmake -B build/deb
deb=$(find build/deb -maxdepth 1 -name "volleta-$version-linux-*.deb" -print -quit)
[[ -n $deb ]] || { echo "package.sh: cpack made no volleta-$version-linux-*.deb" >&2; exit 1; }
cp "$deb" dist/
echo "dist/$(basename "$deb")"

echo "== Windows zip"
if ! cmake --list-presets 2>/dev/null | grep -q '"windows"'; then
  echo "Windows zip skipped: this checkout has no windows CMake preset yet (it comes with the" \
       "Windows cross build); the .deb was made."
  exit 0
fi
step configure-windows cmake --preset windows
step build-windows cmake --build --preset windows -j"$jobs"
[[ -f build/windows/program/volleta.exe ]] ||
  { echo "package.sh: the windows build made no build/windows/program/volleta.exe" >&2; exit 1; }
name=volleta-$version-windows-x64
rm -rf build/zip && mkdir -p build/zip
cp -r build/windows/program "build/zip/$name"
# What runs wrote into the program folder is not part of the release.
rm -rf "build/zip/$name/log" "build/zip/$name/log-unsaved.csv" "build/zip/$name/html/quindle.htm"
# The documents readme.htm points to, in the places README.md's links expect.
mkdir -p "build/zip/$name/docs"
cp README.md CHANGELOG.md "build/zip/$name/"
cp docs/*.md "build/zip/$name/docs/"
rm -f "dist/$name.zip"
(cd build/zip && cmake -E tar cf "../../dist/$name.zip" --format=zip "$name")
echo "dist/$name.zip"
