#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (the play set of scripts/setup.sh: no test tools),
# builds Stackfall in Release and starts the game.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/stage.sh"

stage "setup (play set)" bash "$root/scripts/setup.sh" play
# A build of its own, without the tests and benchmarks, so that it is quick
# and leaves the test build alone.
stage "build" bash "$root/scripts/build.sh" "$root/build-run" -DSTACKFALL_BUILD_TESTS=OFF \
  -DSTACKFALL_BUILD_BENCH=OFF
echo "== starting $root/build-run/qt/stackfall"
exec "$root/build-run/qt/stackfall"
