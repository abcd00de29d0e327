#!/usr/bin/env bash
# The setup program end to end (the driver's "installer" scenario) in a Wine prefix made afresh
# for every run: the scenario installs into the user's profile and registry, and it must start
# from a machine that never had drelm idle. Uses the X display of its caller
# (scripts/wine-tests.sh gives it one).
#   installer_e2e.sh DRIVER.exe PREFIX-FOLDER [driver options: --setup=... --program=...]
# The prefix is removed after a run that passed and kept for a look after one that failed.
set -euo pipefail
driver=$1
prefix=$2
shift 2
if [ -z "${DISPLAY:-}" ]; then
  echo "no X display: run this through scripts/wine-tests.sh" >&2
  exit 2
fi
export PATH="/usr/lib/wine:$PATH"
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono/Gecko install prompts
log=$prefix.log

server_started=
stop_prefix() {
  local status=$?
  # This prefix's own server: stopping it ends what still runs in the prefix and nothing else.
  if [ -n "$server_started" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  [ "$status" -eq 0 ] && rm -rf "$prefix"
  exit "$status"
}
trap stop_prefix EXIT

rm -rf "$prefix"
mkdir -p "$prefix"
started=$(date +%s%N)
# Every wine program's output goes to a file: a pipe would be held open by Wine's services.
wineserver -p </dev/null >/dev/null 2>&1
server_started=1
wine64 wineboot -i </dev/null >/dev/null 2>&1
# No window manager on Xvfb: unmanaged windows avoid a 2 s stall on every hide.
wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
wine64 reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d '' /f </dev/null >/dev/null 2>&1
echo "fresh Wine prefix in $(((($(date +%s%N) - started) / 1000000))) ms: $prefix"

status=0
wine64 "$driver" installer "$@" </dev/null >"$log" 2>&1 || status=$?
cat "$log"
exit "$status"
