#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (the test set of scripts/setup.sh), builds
# Stackfall and runs every test: once in an optimised build, once with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the rules' fuzzer built
# with clang. Each stage prints its name and how long it took.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
source "$root/scripts/stage.sh"

# Configures quietly (errors still show), then builds.
configure_and_build() {
  local build=$1
  shift
  cmake -S "$root" -B "$build" "$@" >/dev/null
  cmake --build "$build" -j "$jobs"
}

stage "setup (test set)" bash "$root/scripts/setup.sh" test

stage "release: build" configure_and_build "$root/build" -DCMAKE_BUILD_TYPE=Release
stage "release: tests" ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

# Optimised too, to keep the long self-play runs quick; the index asserts stay
# on in this build whatever the build type.
stage "sanitizers: build" configure_and_build "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTACKFALL_SANITIZE=ON -DSTACKFALL_BUILD_BENCH=OFF
stage "sanitizers: tests" ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs" \
  --label-exclude no-sanitizer

# clang, libFuzzer, address and undefined-behaviour sanitizers.
build_fuzzer() {
  CXX=clang++ configure_and_build "$root/build-fuzz" -DSTACKFALL_SANITIZE=ON -DSTACKFALL_BUILD_FUZZ=ON \
    -DSTACKFALL_BUILD_UI=OFF -DSTACKFALL_BUILD_BENCH=OFF
}
stage "fuzz: build" build_fuzzer
stage "fuzz: tests" ctest --test-dir "$root/build-fuzz" --output-on-failure -j "$jobs"

stage_summary
