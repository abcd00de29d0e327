#!/usr/bin/env bash
# Every test of the project, from a fresh Debian 12 machine: installs what is missing, checks
# formatting, runs the native unit and behaviour tests, the same under ASan/UBSan, a few seconds
# of each parser's fuzz target, builds both Windows executables and runs the Win32 tests under
# Wine. Ends with one summary line: the tests passed and failed, and test lines against code lines.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-deps.sh all

echo "== format"
scripts/check-format.sh

mkdir -p build
summaries=()
run_ctest() {  # preset, log
  local log=$1; shift
  set +e
  ctest "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  set -e
  summaries+=("$log")
  return $rc
}

status=0
for preset in linux linux-asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
  run_ctest "build/ctest-$preset.log" --preset "$preset" -j"$(nproc)" || status=1
done

echo "== fuzz"
set +e
scripts/fuzz.sh --smoke 2>&1 | tee build/ctest-fuzz.log
fuzz_rc=${PIPESTATUS[0]}
set -e
summaries+=("build/ctest-fuzz.log")
[ "$fuzz_rc" -eq 0 ] || status=1

echo "== windows builds and tests under Wine"
set +e
scripts/wine-tests.sh 2>&1 | tee build/ctest-wine.log
wine_rc=${PIPESTATUS[0]}
set -e
summaries+=("build/ctest-wine.log")
[ "$wine_rc" -eq 0 ] || status=1

passed=0
failed=0
for log in "${summaries[@]}"; do
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -z "$line" ]; then
    echo "no test summary in $log"
    status=1
    continue
  fi
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  t=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + t - f))
  failed=$((failed + f))
done
cd "$root"
[ "$failed" -eq 0 ] || status=1
echo "tests: $passed passed, $failed failed; $(scripts/line-counts.sh)"
exit $status
