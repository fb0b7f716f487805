#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds the picture generator and redraws every picture and icon into
# assets/pictures. The output is committed: run this after changing the
# drawing code and commit the pictures with it.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${STACKFALL_PICTURES_BUILD:-"$root/build-pictures-tool"}

cmake -S "$root/tools/pictures" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel >/dev/null
QT_QPA_PLATFORM=offscreen "$build/make_pictures" "$root/assets/pictures"
