#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the game says so in one line and ends with status 1,
# rather than aborting: with no display named, and with one that is not there.
# Usage: no_display.sh <stackfall executable>
set -uo pipefail
game=$1
err=$(mktemp)
trap 'rm -f "$err"' EXIT

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

check "DISPLAY unset" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
# A display number that no server answers (sockets for it are absent).
for n in $(seq 900 999); do
  [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break
done
check "DISPLAY=:$n" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$n"
echo "no_display: one clear line and status 1"
