#!/usr/bin/env bash
# Builds the Windows programs with MinGW (x86_64 and i686) and their downloads (ZIP and setup
# program), and runs the Windows tests under Wine on a private X server, without any
# interaction. Meant for a fresh Debian 12 machine: missing packages are installed first (as
# root, or through sudo).
#
#   scripts/wine-tests.sh [extra ctest arguments, e.g. -R CrossProcess]
#
# The Wine prefix lives in build/wine-prefix and is reused by later runs in the same tree.
# Only 64-bit Wine exists on Debian 12 here, so the i686 build is compiled but not run.
# Exits non-zero when a build or a test fails.
set -euo pipefail

cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD=$ROOT/build
PREFIX=$BUILD/wine-prefix
JOBS=${JOBS:-2}
TEST_TIMEOUT_S=${TEST_TIMEOUT_S:-120}

# nsis: makensis makes the setup programs, which the installer's end-to-end test installs.
PACKAGES=(cmake ninja-build googletest g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine64 xvfb
  xauth imagemagick nsis)

log() { printf '== %s\n' "$*"; }

install_missing_packages() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing ${missing[*]}"
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
      as_root=(sudo -n)
    else
      echo "missing packages: ${missing[*]}; run as root or install them first" >&2
      exit 1
    fi
  fi
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

build() {
  for preset in win64 win32; do
    log "building $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$JOBS" --target all package
  done
}

# --- everything started below is ours and is stopped on exit ---------------------------------
XVFB_PID=
WINESERVER_STARTED=
teardown() {
  local status=$?
  if [ -n "$WINESERVER_STARTED" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  exit "$status"
}

start_xvfb() {
  for display in $(seq 90 199); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
      [ -S "/tmp/.X11-unix/X$display" ] && break
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    if [ -S "/tmp/.X11-unix/X$display" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$display"
      log "Xvfb on $DISPLAY"
      return 0
    fi
    # Somebody took the display first: try the next one.
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  done
  echo "no free X display found" >&2
  exit 1
}

start_wine() {
  # Debian's wine64 package keeps its loader and server here, outside PATH.
  export PATH="/usr/lib/wine:$PATH"
  export WINEPREFIX=$PREFIX WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono/Gecko install prompts
  command -v wine64 >/dev/null && command -v wineserver >/dev/null ||
    { echo "wine64 or wineserver not found" >&2; exit 1; }
  local fresh=
  if [ ! -f "$PREFIX/.drelm-ready" ]; then
    rm -rf "$PREFIX"
    mkdir -p "$PREFIX"
    fresh=1
  fi
  # A persistent server started before any other wine command makes each start cheap. All
  # output goes nowhere, so that Wine's background services never hold our pipes open.
  wineserver -p </dev/null >/dev/null 2>&1
  WINESERVER_STARTED=1
  if [ -n "$fresh" ]; then
    log "creating the Wine prefix (first run only)"
    wine64 wineboot -i </dev/null >/dev/null 2>&1
    # No window manager on Xvfb: unmanaged windows avoid a 2 s stall on every hide.
    wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      </dev/null >/dev/null 2>&1
    wine64 reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d '' /f \
      </dev/null >/dev/null 2>&1
    touch "$PREFIX/.drelm-ready"
  else
    # Starts the prefix's services, which the tests' first window would otherwise wait for.
    wine64 wineboot </dev/null >/dev/null 2>&1
  fi
}

run_tests() {
  log "running the Windows tests under Wine"
  # Serially: the tests share one desktop and look up windows by class.
  ctest --preset win64 --timeout "$TEST_TIMEOUT_S" "$@"
}

install_missing_packages
mkdir -p "$BUILD"
# One run per build tree at a time: the prefix and the build directories are shared.
exec 9>"$BUILD/.wine-tests.lock"
flock -w 1800 9 || { echo "another run holds $BUILD/.wine-tests.lock" >&2; exit 1; }
build
trap teardown EXIT
trap 'exit 130' INT TERM
start_xvfb
start_wine
run_tests "$@"
