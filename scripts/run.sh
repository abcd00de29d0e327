#!/usr/bin/env bash
# The main job on Linux: builds drelm-sim and runs the add-on in the simulator against the
# stand-in AOL client, in virtual time. Extra arguments go to drelm-sim (--help lists them).
# Needs only cmake, ninja and g++ (installed when missing); the tests' tools come with
# scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh main
cmake --preset linux-main >/dev/null
cmake --build --preset linux-main --target drelm-sim -j"$(nproc)" >/dev/null
exec build/linux-main/apps/drelm-sim "$@"
