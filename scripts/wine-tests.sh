#!/usr/bin/env bash
# Builds the Windows programs with MinGW (x86_64 and i686) and their downloads (ZIP and setup
# program), and runs the Windows tests under Wine on a private X server (scripts/wine-env.sh),
# without any interaction. Meant for a fresh Debian 12 machine: missing packages are installed
# first (as root, or through sudo).
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

. "$ROOT/scripts/wine-env.sh"

log() { printf '== %s\n' "$*"; }

build() {
  for preset in win64 win32; do
    log "building $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$JOBS" --target all package
  done
}

run_tests() {
  log "running the Windows tests under Wine"
  # Serially: the tests share one desktop and look up windows by class.
  ctest --preset win64 --timeout "$TEST_TIMEOUT_S" "$@"
}

"$ROOT/scripts/install-deps.sh" windows
mkdir -p "$BUILD"
# One run per build tree at a time: the prefix and the build directories are shared.
exec 9>"$BUILD/.wine-tests.lock"
flock -w 1800 9 || { echo "another run holds $BUILD/.wine-tests.lock" >&2; exit 1; }
build
wine_env_start "$PREFIX"
run_tests "$@"
