#!/usr/bin/env bash
# Installs what is missing, builds Stackfall and runs every test: once in an
# optimised build, once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

bash "$root/scripts/setup.sh"

echo "== build and test (release)"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j "$jobs"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

# Optimised too, to keep the long self-play runs quick; the index asserts stay
# on in this build whatever the build type.
echo "== build and test (address and undefined-behaviour sanitizers)"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTACKFALL_SANITIZE=ON \
  -DSTACKFALL_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs" --label-exclude no-sanitizer

echo "== build and fuzz the rules (clang, libFuzzer, address and undefined-behaviour sanitizers)"
CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DSTACKFALL_SANITIZE=ON -DSTACKFALL_BUILD_FUZZ=ON \
  -DSTACKFALL_BUILD_UI=OFF -DSTACKFALL_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-fuzz" -j "$jobs"
ctest --test-dir "$root/build-fuzz" --output-on-failure -j "$jobs"
