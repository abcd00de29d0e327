#!/usr/bin/env bash
# The setup program end to end (the driver's "installer" scenario) in a Wine prefix made afresh
# for every run: the scenario installs into the user's profile and registry, and it must start
# from a machine that never had drelm idle. Uses the caller's X display when it has one
# (scripts/wine-tests.sh), a private one otherwise.
#   installer_e2e.sh DRIVER.exe PREFIX-FOLDER [driver options: --setup=... --program=...]
# The prefix is removed after a run that passed and kept for a look after one that failed.
set -euo pipefail
driver=$1
prefix=$2
shift 2
. "$(dirname "$0")/../../scripts/wine-env.sh"

trap wine_env_teardown EXIT
trap 'exit 130' INT TERM
[ -n "${DISPLAY:-}" ] || wine_env_start_xvfb
rm -rf "$prefix"
started=$(date +%s%N)
wine_env_start_wine "$prefix"
echo "fresh Wine prefix in $((($(date +%s%N) - started) / 1000000)) ms: $prefix"

# The driver's output goes to a file: a pipe would be held open by Wine's services.
status=0
wine64 "$driver" installer "$@" </dev/null >"$prefix.log" 2>&1 || status=$?
cat "$prefix.log"
if [ "$status" -eq 0 ]; then
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  rm -rf "$prefix"
fi
exit "$status"
