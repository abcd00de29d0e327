#!/usr/bin/env bash
# The benchmarks: installs what they need, builds them optimised (preset linux-bench) and runs
# them, printing GoogleBenchmark's table and then each figure beside its target, all from one
# run. Arguments go to drelm-bench (for example --benchmark_filter=tick).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh bench
cmake --preset linux-bench >/dev/null
cmake --build --preset linux-bench -j"$(nproc)"
exec build/linux-bench/bench/drelm-bench --benchmark_color=false "$@"
