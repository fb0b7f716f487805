#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a build tree, as a player would with cpack,
# and unpacks it into a scratch root the way dpkg installs it.
# Usage: build_package.sh CPACK BUILD_DIR OUT_DIR
set -euo pipefail
cpack=$1
build=$2
out=$3
# cpack reads the executable's type with file and its libraries with
# dpkg-shlibdeps.
source "$(dirname "$0")/../../scripts/need.sh"
need file file
need dpkg-dev dpkg-shlibdeps

rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi

shopt -s nullglob
debs=("$out"/*.deb)
if ((${#debs[@]} != 1)); then
  echo "expected one package in $out, found ${#debs[@]}: ${debs[*]}"
  exit 1
fi
dpkg -x "${debs[0]}" "$out/root"
echo "made ${debs[0]##*/}"
