#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds the picture generator and redraws every picture and icon into
# assets/pictures. The output is committed: run this after changing the
# drawing code and commit the pictures with it.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${STACKFALL_PICTURES_BUILD:-"$root/build-pictures-tool"}
pictures=$root/assets/pictures
source "$root/scripts/need.sh"
need zopfli zopflipng

cmake -S "$root/tools/pictures" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel >/dev/null
QT_QPA_PLATFORM=offscreen "$build/make_pictures" "$pictures"

# The same pixels in fewer bytes: zopfli finds a shorter deflate stream than
# the generator's zlib, which keeps the Windows program, where every picture
# is embedded, under its budget. Rows stay unfiltered, as the generator writes
# them to decode quickly at start-up, except in the picture windows' pictures,
# decoded only when shown, where filtered rows save 12 KB more, and in the
# icon's, a few pixels wide. The icon containers are then written again
# around the icon's smaller files.
for png in "$pictures"/*.png; do
  case ${png##*/} in
  gameover* | credits* | icon*) filters=() ;;
  *) filters=(--filters=0) ;;
  esac
  zopflipng -m "${filters[@]}" -y "$png" "$png" >/dev/null
done
QT_QPA_PLATFORM=offscreen "$build/make_pictures" --icon-containers "$pictures"
echo "make_pictures: recompressed the pictures with zopfli"
