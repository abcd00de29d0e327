#!/usr/bin/env bash
# Test lines against code lines: non-blank lines of .cpp and .h files, tests (tests/, fuzz/,
# bench/) against the product and its stand-in (src/, apps/, standin/). Prints one line:
#   test lines: T, code lines: C, ratio R
# The person we build for asks for tests at a quarter to a third of the code.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 cat | grep -c '[^[:space:]]' || true
}

tests=$(count tests fuzz bench)
code=$(count src apps standin)
awk -v t="$tests" -v c="$code" 'BEGIN { printf "test lines: %d, code lines: %d, ratio %.2f\n", t, c, t / c }'
