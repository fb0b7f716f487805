#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the Windows program on Debian with mingw-w64 (the windows set
# of scripts/setup.sh). Leaves the stripped, statically linked
# <build-dir>/stackfall.exe and <build-dir>/stackfall-<version>-windows.zip,
# which holds it with LICENSE and README.txt.
# Usage: scripts/build-windows.sh [build-dir] [cmake options...]
# (the tests are left out unless -DSTACKFALL_BUILD_TESTS=ON is given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-windows}")
shift || true
source "$root/scripts/need.sh"
need g++-mingw-w64-x86-64-posix x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres
need zip zip

# The windows preset of CMakePresets.json, in the build folder asked for.
(cd "$root" && cmake --preset windows -B "$build" -DSTACKFALL_BUILD_TESTS=OFF "$@" >/dev/null)
cmake --build "$build" -j "$(nproc)"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
cp "$build/win32/stackfall.exe" "$build/stackfall.exe"

# The zip holds one folder; its texts have Windows line ends.
staging=$build/zip/Stackfall-$version
rm -rf "$build/zip"
mkdir -p "$staging"
cp "$build/stackfall.exe" "$staging/"
sed "s/\$/\r/" "$root/LICENSE" >"$staging/LICENSE"
sed "s/@VERSION@/$version/; s/\$/\r/" "$root/packaging/windows-readme.txt" >"$staging/README.txt"
archive=$build/stackfall-$version-windows.zip
rm -f "$archive"
(cd "$build/zip" && zip -q -X -r "$archive" "Stackfall-$version")
echo "build-windows: $build/stackfall.exe ($(stat -c %s "$build/stackfall.exe") bytes), $archive"
