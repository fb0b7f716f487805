#!/usr/bin/env bash
# Installs what is missing, builds Stackfall in Release and starts the game.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

bash "$root/scripts/setup.sh"
# A build of its own, without the tests and benchmarks, so that it is quick
# and leaves the test build alone.
bash "$root/scripts/build.sh" "$root/build-run" -DSTACKFALL_BUILD_TESTS=OFF -DSTACKFALL_BUILD_BENCH=OFF
exec "$root/build-run/ui/stackfall"
