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

# The Windows program, cross-built and run under wine: the rules' tests, its
# resources, and the program played on a virtual display beside the Qt
# build above. One wine prefix, made once and kept in the build.
windows_prefix() {
  export WINEPREFIX=$root/build-windows/wine WINEDEBUG=-all
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver -w
  fi
  # A new prefix lacks wine's own faces, "MS Sans Serif" among them.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
}
stage "windows: wine prefix" windows_prefix
stage "windows: build" bash "$root/scripts/build-windows.sh" "$root/build-windows" \
  -DSTACKFALL_BUILD_TESTS=ON -DSTACKFALL_QT_PROGRAM="$root/build/qt/stackfall"
stage "windows: tests" ctest --test-dir "$root/build-windows" --output-on-failure -j "$jobs"

stage_summary
