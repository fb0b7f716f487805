#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the Windows program: its size and import table, and its start-up
# under wine on a virtual X display beside a bare window's in the same run.
#
#   size, imports   of the stripped stackfall.exe (objdump -p);
#   start-up        measured by the program itself with QueryPerformanceCounter
#                   from WinMain to the end of the main window's first paint
#                   (STACKFALL_STARTUP_REPORT), with wine's server and its
#                   desktop processes already running, as Windows has its
#                   own before any program starts;
#   start-up CPU    the CPU time the program's process has used by the end
#                   of that paint, as it reads it (GetProcessTimes): wine's
#                   loading of the program included, wine's server and the X
#                   server left out; wine reads it in steps of 10 ms;
#   floor           the same two for a bare window of the game's size
#                   (bench/win32/floor): what wine itself costs. The target
#                   is the game's median time at most 1.15 times the
#                   floor's;
#   CPU with no game of the Windows program's process over 10 s.
# Runs alternate between the floor and the game, which goes first taking
# turns, after one warm-up of each; medians at the end with the target
# beside them, and the machine's load averages before and after, as other
# work on the machine slows wine's server and so both start-ups.
#
# Usage: bench/win32/measure.sh [stackfall.exe]
#   RUNS=11 (at least 5); by default build-windows/win32/stackfall.exe, which must
#   be built (scripts/build-windows.sh) with the floor beside it.
#   WINEPREFIX defaults to build-windows/wine (scripts/test.sh makes it).
# It exits 0 whatever the figures: it measures; it fails only when something
# cannot be run.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
exe=${1:-$root/build-windows/win32/stackfall.exe}
floor=$(dirname "$exe")/bench/win32/win32_floor_window.exe
[[ -f $floor ]] || floor=$(dirname "$exe")/../bench/win32/win32_floor_window.exe
runs=${RUNS:-11}
((runs >= 5)) || { echo "measure: RUNS must be at least 5" >&2; exit 1; }
export WINEPREFIX=${WINEPREFIX:-$root/build-windows/wine} WINEDEBUG=-all
source "$root/scripts/need.sh"
need wine wine wineserver
need binutils-mingw-w64-x86-64 x86_64-w64-mingw32-objdump
need xvfb Xvfb
need xdotool xdotool
need python3 python3
for f in "$exe" "$floor"; do
  [[ -f $f ]] || { echo "measure: no executable at $f" >&2; exit 1; }
done
[[ -d $WINEPREFIX ]] || { echo "measure: no wine prefix at $WINEPREFIX" >&2; exit 1; }

source "$root/scripts/xvfb_session.sh"
work=$(mktemp -d)
pid=
cleanup() {
  [[ -z $pid ]] || kill "$pid" 2>/dev/null || true
  exec 9>&- # the prompt reads the end of its input and ends
  wineserver -k 2>/dev/null || true
  stop_display
  rm -rf "$work"
}
trap cleanup EXIT

start_display "$work"
wineserver -k 2>/dev/null || true
wineserver -p >/dev/null 2>&1
# Wine ends its desktop and service processes about a second after the last
# program in the prefix ends, and a program that starts after that pays for
# starting them again, several times its own start-up. A command prompt
# waiting on its input holds them for the whole run.
mkfifo "$work/session"
wine cmd <"$work/session" >/dev/null 2>&1 &
exec 9>"$work/session"

# The CPU time of the whole process $pid so far, in ns: its CPU-time clock
# counts every thread, ended ones too.
cpu_ns() {
  python3 -c 'import sys, time; print(time.clock_gettime_ns((~int(sys.argv[1]) << 3) | 2))' "$pid"
}

# The start-up of the Windows program $1 as it measures it: the time and the
# CPU time, in us; it ends after its first paint.
win32_startup() {
  rm -f "$work/startup"
  STACKFALL_STARTUP_REPORT="$work/startup" timeout 60 wine "$1" >/dev/null 2>&1
  [[ -s $work/startup ]] || { echo "measure: the program reported no start-up" >&2; exit 1; }
  cat "$work/startup"
}

median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
ms() { awk -v n="$1" -v d="$2" 'BEGIN { printf "%.1f", n / d }'; }

size=$(stat -c %s "$exe")
echo "stackfall.exe: $size bytes ($(ms "$size" 1024) KiB; target at most 512 KiB)"
echo "imports:"
x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: /  /p'

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
win32_startup "$floor" >/dev/null # warm-up: the caches, and wine's server
win32_startup "$exe" >/dev/null
declare -a floor_us floor_cpu win32_us win32_cpu
measure_floor() {
  read -r time cpu < <(win32_startup "$floor")
  floor_us+=("$time") floor_cpu+=("$cpu")
}
measure_game() {
  read -r time cpu < <(win32_startup "$exe")
  win32_us+=("$time") win32_cpu+=("$cpu")
}
for run in $(seq "$runs"); do
  # A pause before each, so that none pays for the end of the one before;
  # the one that goes first takes turns, so that neither always follows the
  # other.
  if ((run % 2)); then
    sleep 1
    measure_floor
    sleep 1
    measure_game
  else
    sleep 1
    measure_game
    sleep 1
    measure_floor
  fi
  echo "run $run: floor $(ms "${floor_us[-1]}" 1e3) ms (CPU $(ms "${floor_cpu[-1]}" 1e3) ms)," \
    "game $(ms "${win32_us[-1]}" 1e3) ms (CPU $(ms "${win32_cpu[-1]}" 1e3) ms)"
done

# With no game, nothing should run between events: no timer, no polling.
wine "$exe" >/dev/null 2>&1 &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Stackfall$' >/dev/null
sleep 2
idle_before=$(cpu_ns)
sleep 10
idle=$(($(cpu_ns) - idle_before))
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

gm=$(median "${win32_us[@]}")
fm=$(median "${floor_us[@]}")
echo "medians of $runs runs:"
echo "  Windows start-up, WinMain to first paint: $(ms "$gm" 1e3) ms"
echo "  the same for a bare window under wine:    $(ms "$fm" 1e3) ms"
echo "  game against bare window:                 $(awk -v g="$gm" -v f="$fm" 'BEGIN { printf "%.2f", g / f }') x" \
  "(target: at most 1.15 x)"
echo "  Windows start-up CPU, by the first paint: $(ms "$(median "${win32_cpu[@]}")" 1e3) ms"
echo "  the same for a bare window under wine:    $(ms "$(median "${floor_cpu[@]}")" 1e3) ms"
echo "  Windows program's CPU in 10 s with no game: $(ms "$idle" 1e6) ms"
echo "load averages (1, 5, 15 min) before the runs: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)"
