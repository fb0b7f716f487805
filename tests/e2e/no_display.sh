#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the game says so and ends with status 1, rather than
# aborting: in one line with no display named, and with one that is not
# there; and where the session is Wayland, with a line for each platform Qt
# tried, saying why it failed, or which package brings a missing plugin.
# Usage: no_display.sh <stackfall executable>
set -uo pipefail
game=$1
err=$(mktemp)
work=$(mktemp -d)
trap 'rm -f "$err"; rm -rf "$work"' EXIT

check() {
  local what=$1
  shift
  env "$@" "$game" 2>"$err" >/dev/null
  local status=$?
  if ((status != 1)); then
    echo "no_display: $what: status $status, not 1" >&2
    cat "$err" >&2
    exit 1
  fi
  if [[ $(grep -c . "$err") != 1 ]] || ! grep -q '^stackfall: cannot open' "$err"; then
    echo "no_display: $what: not one clear line:" >&2
    cat "$err" >&2
    exit 1
  fi
}

# The lines after the first: what Qt tried, one platform a line, as given.
check_tried() {
  local what=$1 expected=$2
  shift 2
  env "$@" "$game" 2>"$err" >/dev/null
  local status=$?
  if ((status != 1)) || [[ $(head -n1 "$err") != "stackfall: cannot open a display; Qt tried:" ]] ||
    [[ $(tail -n +2 "$err") != "$expected" ]]; then
    echo "no_display: $what: status $status, and not the platforms expected:" >&2
    cat "$err" >&2
    exit 1
  fi
}

check "DISPLAY unset" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
# A display number that no server answers (sockets for it are absent).
for n in $(seq 900 999); do
  [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break
done
check "DISPLAY=:$n" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$n"

# A Wayland session whose compositor is not there: Wayland first, then X11.
wayland=(-u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=absent)
check_tried "no compositor" "  wayland: Failed to create wl_display (No such file or directory)
  xcb: could not connect to display" "${wayland[@]}"
# Without the Wayland plugin (here a copy of the game whose qt.conf shows Qt
# only the X11 one), the message names the package that brings it.
mkdir -p "$work/plugins/platforms"
ln -s "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqxcb.so" "$work/plugins/platforms/"
cp "$game" "$work/"
printf '[Paths]\nPlugins = %s/plugins\n' "$work" >"$work/qt.conf"
game=$work/${game##*/}
check_tried "no Wayland plugin" "  wayland: its plugin is missing: install the package qt6-wayland
  xcb: could not connect to display" "${wayland[@]}"
echo "no_display: one clear line and status 1; on Wayland, each platform tried and why it failed"
