#!/usr/bin/env bash
# The main job on Linux: builds drelm-sim and runs the add-on in the simulator against the
# stand-in AOL client, in virtual time. Extra arguments go to drelm-sim (--help lists them).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target drelm-sim -j"$(nproc)" >/dev/null
exec build/linux/apps/drelm-sim "$@"
