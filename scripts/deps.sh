# Sourced by run.sh, test.sh and bench.sh: installs what is missing, quietly
# when everything is there already.

# Debian packages the build needs.
VOLLETA_BUILD_PACKAGES=(g++ make cmake pkg-config libboost1.81-dev libcli11-dev libcairo2-dev libgif-dev
                        libpugixml-dev)
# Debian packages the program uses at run time to show the experiment.
VOLLETA_RUN_PACKAGES=(chromium)
# Debian packages ./package.sh needs besides the build's (CPack runs dpkg-shlibdeps and file).
VOLLETA_PACKAGE_PACKAGES=(dpkg-dev file)
# Debian packages the tests need besides the build's (the package test makes a .deb; the
# window test reads the browser's window back from an X server with a window manager; the
# online test puts nginx with a certificate openssl makes in front of serve).
VOLLETA_TEST_PACKAGES=(libgtest-dev clang clang-format libclang-rt-14-dev chromium firefox-esr
                       xvfb x11-utils openbox xdotool nginx openssl "${VOLLETA_PACKAGE_PACKAGES[@]}")
# Debian packages for the Windows build (mingw-w64's C++ compiler with posix
# threads) and for running it and its tests under Wine, with GoogleTest's sources.
VOLLETA_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 googletest)

volleta_as_root() {
  if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

volleta_ensure_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "Installing Debian packages: ${missing[*]}" >&2
  volleta_as_root apt-get update -qq
  volleta_as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# playwright-core and puppeteer-core (for Firefox, over WebDriver BiDi) for the
# browser tests, from the lock file; neither downloads a browser. Node.js and npm
# come from Debian's packages unless the machine already has them (some
# Node.js builds ship npm inside their own nodejs package).
volleta_ensure_npm() {
  local dir=$1
  if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    volleta_ensure_packages nodejs npm
  fi
  if [[ ! -d $dir/node_modules/playwright-core || ! -d $dir/node_modules/puppeteer-core ||
        $dir/package-lock.json -nt $dir/node_modules/.package-lock.json ]]; then
    echo "Installing npm packages in $dir" >&2
    (cd "$dir" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null)
  fi
}

volleta_jobs() { nproc 2>/dev/null || echo 2; }
