#!/usr/bin/env bash
# Runs aol-standin.exe's end-to-end test under Wine, with an X display and a Wine prefix of its
# own (scripts/wine-env.sh): tests/e2e/run_standin_e2e.sh [build folder of the win64 preset,
# default build/win64]
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
. "$root/scripts/wine-env.sh"
wine_env_start "${WINEPREFIX:-$build/wineprefix-standin}"

timeout 120 wine64 "$build/apps/standin_e2e.exe"
