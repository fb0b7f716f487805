#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (the test set of scripts/setup.sh), builds
# Stackfall and runs every test: once in an optimised build (with the game on
# a headless Wayland compositor, and on headless GNOME and Plasma, as stages
# of their own), once with
# AddressSanitizer and UndefinedBehaviorSanitizer, the rules' fuzzer built
# with clang, and the Windows program cross-built and played under wine. Each
# stage prints its name and how long it took.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
source "$root/scripts/stage.sh"
# The builds are the presets of CMakePresets.json, which cmake and ctest read
# from the current folder.
cd "$root"

# Configures quietly (errors still show), with warnings as errors, then builds.
configure_and_build() {
  cmake --preset "$1" -DSTACKFALL_WERROR=ON >/dev/null
  cmake --build --preset "$1" -j "$jobs"
}

stage "setup (test set)" bash "$root/scripts/setup.sh" test

stage "release: build" configure_and_build release
stage "release: tests" ctest --preset release -j "$jobs" --label-exclude 'wayland|desktops'
# The game natively on a headless Wayland compositor.
stage "wayland: tests" ctest --preset release -j "$jobs" --label-regex wayland
# The game as GNOME's and Plasma's sessions start it, on their compositors.
stage "desktops: tests" ctest --preset release -j "$jobs" --label-regex desktops

stage "sanitizers: build" configure_and_build asan
stage "sanitizers: tests" ctest --preset asan -j "$jobs"

stage "fuzz: build" configure_and_build fuzz
stage "fuzz: tests" ctest --preset fuzz -j "$jobs"

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
  -DSTACKFALL_BUILD_TESTS=ON -DSTACKFALL_WERROR=ON
stage "windows: tests" ctest --preset windows -j "$jobs"

stage_summary
