#!/usr/bin/env bash
# The fuzz targets of the parsers of client text and stored values (fuzz/; preset linux-fuzz:
# clang, libFuzzer, ASan and UBSan). Builds them first.
#
#   scripts/fuzz.sh --smoke          each target for a few seconds, as the preset's ctest tests
#   scripts/fuzz.sh --long [RUNS]    each target for RUNS executions (10 million by default), one
#                                    after another; prints executions, wall time, exec/s, coverage
#                                    and crashes per target. FUZZ_MAX_SECONDS caps each target's
#                                    time. Inputs found and crashes go to build/linux-fuzz/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:---smoke}
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake --preset linux-fuzz >/dev/null
cmake --build --preset linux-fuzz -j"$(nproc)"

case "$mode" in
  --smoke) exec ctest --preset linux-fuzz -j"$(nproc)" ;;
  --long) ;;
  *)
    echo "usage: $0 [--smoke | --long [RUNS]]" >&2
    exit 2
    ;;
esac

runs=${2:-10000000}
build=build/linux-fuzz/fuzz
out=$build/long
mkdir -p "$out"
limit=()
[ -n "${FUZZ_MAX_SECONDS:-}" ] && limit=(-max_total_time="$FUZZ_MAX_SECONDS")
status=0
printf '%-16s %12s %9s %9s %6s %7s %8s\n' target executions seconds exec/s cov ft crashes
for bin in "$build"/fuzz_*; do
  name=${bin##*/fuzz_}
  log=$out/$name.log
  rm -f "$out/$name"-crash-* "$out/$name"-leak-* "$out/$name"-timeout-* "$out/$name"-oom-*
  start=$(date +%s.%N)
  set +e
  "$bin" -runs="$runs" "${limit[@]}" -print_final_stats=1 -timeout=60 -rss_limit_mb=2048 \
    -artifact_prefix="$out/$name-" "$build/found/$name" "fuzz/corpus/$name" >"$log" 2>&1
  rc=$?
  set -e
  end=$(date +%s.%N)
  execs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  speed=$(awk '/stat::average_exec_per_sec/ {print $2}' "$log")
  cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -n 1 | cut -d' ' -f2)
  ft=$(grep -oE 'ft: [0-9]+' "$log" | tail -n 1 | cut -d' ' -f2)
  crashes=$(find "$out" -maxdepth 1 -name "$name-*" -type f | wc -l)
  [ "$rc" -eq 0 ] && [ "$crashes" -eq 0 ] || status=1
  printf '%-16s %12s %9.0f %9s %6s %7s %8s\n' "$name" "${execs:-?}" \
    "$(awk -v a="$start" -v b="$end" 'BEGIN {print b - a}')" "${speed:-?}" "${cov:-?}" \
    "${ft:-?}" "$crashes"
done
exit $status
