#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the game rules for a long run and prints the events checked and the
# events per second. Builds the clang fuzz tree first when it is missing.
# Usage: bench/fuzz/run_long.sh [SECONDS (1800)] [JOBS (1)]
# STACKFALL_FUZZ_BUILD names the build directory (default build-fuzz).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-1800}
jobs=${2:-1}
build=${STACKFALL_FUZZ_BUILD:-$root/build-fuzz}

if [[ ! -f "$build/CMakeCache.txt" ]]; then
  CXX=clang++ cmake -S "$root" -B "$build" -DSTACKFALL_SANITIZE=ON -DSTACKFALL_BUILD_FUZZ=ON \
    -DSTACKFALL_BUILD_UI=OFF -DSTACKFALL_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target rules_fuzzer -j "$(nproc)" >/dev/null

work="$build/fuzz-long"
echo "== fuzzing the rules for $seconds s with $jobs job(s); log in $work"
"$root/tests/fuzz/run_fuzzer.sh" "$build/tests/fuzz/rules_fuzzer" "$root/tests/fuzz/corpus" \
  "$work" "$seconds" "$jobs"
