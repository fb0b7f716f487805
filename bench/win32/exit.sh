#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures how long the Windows program takes to end after the exit
# question's OK, under wine on a virtual X display: from the Return that
# answers the question to the end of the wine process, first with no window
# manager, then under openbox.
#
# With no window manager, wine's X11 driver waits up to 2 s for each window
# it hides to be withdrawn, which only a window manager does; the question
# box is hidden when it is answered, so that wait comes before the program
# learns the answer. The program then ends the process at once (no window
# is taken down one by one), so under a window manager the whole exit is
# what wine needs to end a process.
#
# Usage: bench/win32/exit.sh [stackfall.exe]
#   RUNS=11; by default build-windows/stackfall.exe, which must be built
#   (scripts/build-windows.sh). WINEPREFIX defaults to build-windows/wine
#   (scripts/test.sh makes it). It exits 0 whatever the figures.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
exe=${1:-$root/build-windows/stackfall.exe}
runs=${RUNS:-11}
export WINEPREFIX=${WINEPREFIX:-$root/build-windows/wine} WINEDEBUG=-all
source "$root/scripts/need.sh"
need wine wine wineserver
need xvfb Xvfb
need xdotool xdotool
need openbox openbox
need x11-utils xprop
[[ -f $exe ]] || { echo "exit: no executable at $exe" >&2; exit 1; }
[[ -d $WINEPREFIX ]] || { echo "exit: no wine prefix at $WINEPREFIX" >&2; exit 1; }

source "$root/scripts/xvfb_session.sh"
work=$(mktemp -d)
pid=
cleanup() {
  [[ -z $pid ]] || kill "$pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  stop_display
  rm -rf "$work"
}
trap cleanup EXIT

# One run on the current display: adds the time from OK to the end, in ms,
# to `times`.
exit_once() {
  local window question start _
  wine "$exe" >/dev/null 2>&1 &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Stackfall$' | head -n1)
  [[ -n $window ]] || { echo "exit: the program showed no window" >&2; exit 1; }
  sleep 1
  xdotool mousemove --window "$window" 330 329 click 1 # the exit button
  question=$(timeout 10 xdotool search --sync --onlyvisible --name "^What's up, Zolbert !!\$" |
    head -n1)
  [[ -n $question ]] || { echo "exit: no exit question" >&2; exit 1; }
  sleep 0.5
  start=$(date +%s%N)
  # A window manager gives the question the keyboard; without one, the key
  # goes to its window.
  if [[ -n $wm_pid ]]; then
    xdotool key Return
  else
    xdotool key --window "$question" Return
  fi
  for _ in $(seq 2000); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.005
  done
  times+=($((($(date +%s%N) - start) / 1000000)))
  wait "$pid" 2>/dev/null || true
  pid=
}

median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

for mode in bare openbox; do
  start_display "$work"
  [[ $mode == bare ]] || start_window_manager "$work"
  wineserver -k 2>/dev/null || true
  wineserver -p >/dev/null 2>&1
  times=()
  for _ in $(seq "$runs"); do
    exit_once
  done
  echo "exit after OK, $mode X display: median $(median "${times[@]}") ms of $runs (${times[*]})"
  wineserver -k 2>/dev/null || true
  stop_display
done
