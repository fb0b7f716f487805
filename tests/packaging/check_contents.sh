#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the package that build_package.sh made: its file name and control
# fields, the files it installs, and that those files are what they claim.
# Usage: check_contents.sh DEB_DIR VERSION EXPECTED_FILES
set -euo pipefail
dir=$1
version=$2
expected=$3
root=$dir/root

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

arch=$(dpkg --print-architecture)
deb=$dir/stackfall_${version}_${arch}.deb
if [[ ! -f $deb ]]; then
  echo "FAIL: no $deb; the directory holds:" && ls "$dir"
  exit 1
fi

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == stackfall ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', not $version"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture is '$(field Architecture)'"
[[ $(field Section) == games ]] || fail "Section is '$(field Section)'"

# apt installs these only because the package names them.
depends=$(field Depends)
# One package name a line, without versions; alternatives count as named.
names=$(sed -E 's/ *\([^)]*\)//g; s/ *[,|] */\n/g' <<<"$depends")
for lib in libqt6widgets6 libqt6gui6 libqt6core6 qt6-wayland qt6-base-abi libsdl2-2.0-0 libwayland-client0 \
  libstdc++6 libc6; do
  grep -qxF "$lib" <<<"$names" || fail "Depends does not name $lib: $depends"
done
if grep -Eq 'libasan|libubsan' <<<"$depends"; then
  fail "Depends names a sanitizer runtime: $depends"
fi

# Exactly the expected files, nothing left out and nothing extra.
if ! diff -u "$expected" <(cd "$root" && find . -type f -o -type l | sed 's|^\.||' | LC_ALL=C sort); then
  fail "the installed files differ from $expected (- expected, + installed)"
fi

# The executable finds its libraries where the system keeps them, not in
# the build tree.
program=$root/usr/games/stackfall
if readelf -d "$program" | grep -Eq 'R(UN)?PATH'; then
  fail "the executable carries a library path: $(readelf -d "$program" | grep -E 'R(UN)?PATH')"
fi

# Each hicolor icon has the size its folder names; a PNG stores its width
# and height as big-endian numbers at bytes 16 and 20.
for icon in "$root"/usr/share/icons/hicolor/*x*/apps/stackfall.png; do
  folder=${icon%/apps/stackfall.png}
  folder=${folder##*/}
  signature=$(od -An -tx1 -N8 "$icon" | tr -d ' \n')
  [[ $signature == 89504e470d0a1a0a ]] || fail "$icon is not a PNG file"
  size=$(od -An -tu1 -j16 -N8 "$icon" |
    awk '{ printf "%dx%d", $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [[ $size == "$folder" ]] || fail "the icon in $folder is $size"
done
svg=$root/usr/share/icons/hicolor/scalable/apps/stackfall.svg
grep -q '<svg' "$svg" || fail "$svg is not an SVG picture"

# The menu entry names the icon and the command that the package installs.
entry=$root/usr/share/applications/stackfall.desktop
icon=$(sed -n 's/^Icon=//p' "$entry")
[[ -f $root/usr/share/icons/hicolor/48x48/apps/$icon.png ]] || fail "the menu entry's icon '$icon' is not installed"
command=$(sed -n 's/^Exec=//p' "$entry")
[[ -x $root/usr/games/$command ]] || fail "the menu entry's command '$command' is not in /usr/games"

# The changelog's latest entry is this version: a new version needs an entry.
latest=$(gzip -dc "$root/usr/share/doc/stackfall/changelog.gz" | head -n1)
[[ $latest == "stackfall ($version) "* ]] ||
  fail "the changelog's latest entry is not for $version: $latest (packaging/changelog)"

if ((failures > 0)); then
  echo "$failures failures in $deb"
  exit 1
fi
echo "$deb: $(wc -l <"$expected") files; Depends: $depends"
