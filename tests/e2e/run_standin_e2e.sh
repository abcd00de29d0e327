#!/usr/bin/env bash
# Runs aol-standin.exe's end-to-end test under Wine, with an X display and a Wine prefix of its
# own: tests/e2e/run_standin_e2e.sh [build folder of the win64 preset, default build/win64]
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
export PATH="/usr/lib/wine:$PATH"
display=${STANDIN_E2E_DISPLAY:-93}
export DISPLAY=":$display"
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix-standin}
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ -e "/tmp/.X11-unix/X$display" ]; then
  echo "display $DISPLAY is taken; set STANDIN_E2E_DISPLAY to a free one" >&2
  exit 2
fi
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done

first=0
[ -d "$WINEPREFIX" ] || first=1
mkdir -p "$WINEPREFIX"
wineserver -p
if [ "$first" = 1 ]; then
  wineboot -i >/dev/null 2>&1
  wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wine64 reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d '' /f >/dev/null 2>&1
fi

timeout 120 wine64 "$build/apps/standin_e2e.exe"
