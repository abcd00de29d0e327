#!/usr/bin/env bash
# Installs the Debian 12 packages one job needs. Idempotent: does nothing when everything is
# there already; needs root (or sudo) only when something is missing.
#
#   scripts/install-deps.sh main      cmake, ninja and g++: building and running drelm-sim
#   scripts/install-deps.sh windows   the main set, MinGW, Wine, Xvfb and what the Windows tests use
#   scripts/install-deps.sh bench     the main set and Google Benchmark: scripts/bench.sh
#   scripts/install-deps.sh all       everything the test command needs (the default)
set -euo pipefail

main=(cmake ninja-build g++)
# clang and its runtime libraries (libFuzzer, the sanitizers): the fuzz targets of fuzz/.
# libbenchmark-dev: the test build also builds the benchmarks and runs each once, briefly.
native_tests=(clang-format ccache libgtest-dev libgmock-dev clang libclang-rt-14-dev libbenchmark-dev)
# nsis: makensis makes the setup programs, which the installer's end-to-end test installs.
windows=(googletest g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine64 xvfb xauth imagemagick nsis)

case "${1:-all}" in
  main) packages=("${main[@]}") ;;
  windows) packages=("${main[@]}" ccache "${windows[@]}") ;;
  bench) packages=("${main[@]}" ccache libbenchmark-dev) ;;
  all) packages=("${main[@]}" "${native_tests[@]}" "${windows[@]}") ;;
  *)
    echo "usage: $0 [main|windows|bench|all]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo=(sudo -n)
  else
    echo "missing packages: ${missing[*]}; run as root or install them first" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
