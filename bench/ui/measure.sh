#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the real game on a virtual X display against a floor: a top-level
# Qt label of the game's size with one line of text (bench/ui/floor), started
# the same way on the same display. Runs alternate, floor then game, after one warm-up
# of each; medians are printed at the end with the targets beside them.
#
# For both programs:
#   time to first window  from start until its first top-level window maps;
#   start-up CPU          CPU time of the whole process (all its threads,
#                         read from its CPU-time clock in ns) from start until
#                         it has gone quiet after mapping: less than 0.5 ms of
#                         CPU in each of three 100 ms steps;
#   resident after load   VmRSS at that same moment.
# For the game alone: CPU over 10 s with no game, CPU over the first 10 s of
# play at "Hard", resident memory after PLAY_SECONDS of play, and CPU over
# 10 s once that game has ended and its sounds have been let go.
# For the floor alone (started with --frames): CPU over 10 s of repainting
# two cells every 50 ms, the least any Qt window drawing a game at "Hard"
# pays; the game's figure at "Hard" is shown beside it.
# Both run with SDL_AUDIODRIVER=dummy, so that no sound server is counted.
# Even so SDL keeps a thread of its own for as long as the game's sound
# device is open (through a running game), waking every 23 ms; its CPU is
# read apart and left out of the figure at Hard, and printed beside it.
# Last, unless CALLGRIND=0, each program runs once more under callgrind to
# the same quiet moment, and the instructions it took are printed by the
# library that ran them (bench/ui/callgrind_libraries.py).
#
# Usage: bench/ui/measure.sh [stackfall executable]
#   RUNS=5, PLAY_SECONDS=60 (at least 10), BUILD_DIR=build, CALLGRIND=1
# The floor, and the game when no executable is given, are built in BUILD_DIR
# first (configured for Release if it is not configured yet).
# Each line says PASS or FAIL, but the script exits 0 whatever the figures: it
# measures; it fails only when something cannot be run.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD_DIR:-$root/build}
runs=${RUNS:-5}
play_seconds=${PLAY_SECONDS:-60}
((runs >= 1 && play_seconds >= 10)) || { echo "measure: RUNS >= 1 and PLAY_SECONDS >= 10" >&2; exit 1; }
source "$root/scripts/need.sh"
need xvfb Xvfb
need xdotool xdotool
need x11-utils xev
need python3 python3
callgrind=${CALLGRIND:-1}
[[ $callgrind == 0 ]] || need valgrind valgrind
export SDL_AUDIODRIVER=dummy

targets=(ui_floor_window)
[[ $# -ge 1 ]] || targets+=(stackfall)
if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null ||
  { echo "measure: could not build ${targets[*]} in $build" >&2; exit 1; }
game=${1:-$build/qt/stackfall}
floor=$build/bench/ui/ui_floor_window
for exe in "$game" "$floor"; do
  [[ -x $exe ]] || { echo "measure: no executable at $exe" >&2; exit 1; }
done

source "$root/scripts/xvfb_session.sh"
work=$(mktemp -d)
pid=
xev_pid=
# Reads the CPU-time clock of a whole process: unlike /proc/PID/stat it counts
# in ns rather than 10 ms ticks, and unlike the threads' schedstat it keeps the
# time of threads that have ended.
coproc CPU_CLOCK {
  exec python3 -u -c '
import sys, time
for line in sys.stdin:
    try:
        print(time.clock_gettime_ns((~int(line) << 3) | 2))  # CPUCLOCK_SCHED of the process
    except OSError:
        print(-1)
'
}
clock_pid=$CPU_CLOCK_PID
cleanup() {
  for p in $pid $xev_pid $xvfb_pid $clock_pid; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

start_display "$work"

now_us() { echo $(($(date +%s%N) / 1000)); }
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }
# Sets cpu to the CPU time of process $pid so far, in ns.
cpu_now() {
  echo "$pid" >&"${CPU_CLOCK[1]}"
  read -r cpu <&"${CPU_CLOCK[0]}"
  ((cpu >= 0)) || { echo "measure: cannot read the CPU clock of process $pid" >&2; exit 1; }
}
# Sets the entries of the associative array named $1 to the CPU time, in ns,
# of each of SDL's audio threads of process $pid alive now, by thread id.
audio_threads() {
  local -n into=$1
  local task name ns
  into=()
  for task in /proc/"$pid"/task/*; do
    name=$(cat "$task/comm" 2>/dev/null) || continue
    [[ $name == SDLAudio* ]] || continue
    read -r ns _ <"$task/schedstat" 2>/dev/null || continue
    into[${task##*/}]=$ns
  done
}
# Runs the command given and sets audio_spent to the CPU time, in ns, that
# SDL's audio threads of process $pid used meanwhile. A thread that ends
# before the command does takes its time with it: that time stays in the
# process's figure, which errs towards the game costing more.
audio_during() {
  local -A before after
  local tid
  audio_threads before
  "$@"
  audio_threads after
  audio_spent=0
  for tid in "${!after[@]}"; do
    audio_spent=$((audio_spent + after[$tid] - ${before[$tid]:-0}))
  done
}
# Runs the command given (sleep 10, say) and sets spent to the CPU time
# process $pid used meanwhile, in ns.
cpu_during() {
  local before
  cpu_now
  before=$cpu
  "$@"
  cpu_now
  spent=$((cpu - before))
}

# Starts the program $1 with the arguments after it; sets pid, and first_us
# to the microseconds until its first top-level window maps.
start() {
  rm -f "$work/events" "$work/mapped"
  mkfifo "$work/events"
  timeout 30 stdbuf -oL xev -root -event substructure >"$work/events" 2>/dev/null &
  xev_pid=$!
  (
    mapnotify=
    while IFS= read -r line; do
      if [[ $line == MapNotify* ]]; then
        mapnotify=1
      elif [[ -n $mapnotify && $line == *"override NO"* ]]; then
        now_us >"$work/mapped"
        break
      else
        mapnotify=
      fi
    done <"$work/events"
  ) &
  local watcher=$!
  sleep 0.3 # xev is listening
  local t0
  t0=$(now_us)
  "$@" >/dev/null 2>&1 &
  pid=$!
  wait "$watcher"
  kill "$xev_pid" 2>/dev/null || true
  wait "$xev_pid" 2>/dev/null || true
  xev_pid=
  [[ -s $work/mapped ]] || { echo "measure: $1 mapped no window in 30 s" >&2; exit 1; }
  first_us=$(($(<"$work/mapped") - t0))
}

# Waits until the process has gone quiet after mapping (at most 20 s); sets
# startup_ns to its CPU time so far and load_kib to its resident memory.
settle() {
  local prev quiet=0
  cpu_now
  prev=$cpu
  for _ in $(seq 200); do
    sleep 0.1
    kill -0 "$pid" 2>/dev/null || { echo "measure: process $pid ended during start-up" >&2; exit 1; }
    cpu_now
    if ((cpu - prev < 500000)); then
      ((++quiet >= 3)) && break
    else
      quiet=0
    fi
    prev=$cpu
  done
  ((quiet >= 3)) || echo "measure: process $pid was still busy after 20 s" >&2
  startup_ns=$cpu
  load_kib=$(rss_kib)
}

stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
}

# Plays at "Hard" for $1 seconds: arrow keys now and then, and a new game
# (after clicking the game-over picture away) whenever one ends.
play() {
  local until=$((SECONDS + $1)) keys=(Left Right Up Left Right Down)
  while ((SECONDS < until)); do
    if picture=$(xdotool search --onlyvisible --name '^Form2$' 2>/dev/null | head -n1) &&
      [[ -n $picture ]]; then
      xdotool mousemove --window "$picture" 10 10 click 1
      sleep 0.1
      xdotool mousemove --window "$win" 330 217 click 1
    fi
    xdotool key "${keys[RANDOM % ${#keys[@]}]}"
    sleep 0.25
  done
}

# Figures are kept in us (times), ns (CPU) and KiB (memory), and printed in
# ms and MiB.
us_ms() { awk -v n="$1" 'BEGIN { printf "%.1f", n / 1e3 }'; }
ms() { awk -v n="$1" 'BEGIN { printf "%.1f", n / 1e6 }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

declare -a floor_first floor_cpu floor_rss floor_frames_ns game_first game_cpu game_rss idle_ns \
  hard_ns hard_audio_ns play_rss ended_ns

measure_floor() {
  start "$floor"
  settle
  stop
}

# The floor repainting at the pace of "Hard"; sets frames_ns.
measure_floor_frames() {
  start "$floor" --frames
  sleep 1 # past its start-up; it never goes quiet
  cpu_during sleep 10
  frames_ns=$spent
  stop
}

# The game: start-up, then 10 s with no game, then play at "Hard".
measure_game() {
  start "$game"
  settle
  win=$(xdotool search --sync --onlyvisible --name '^Stackfall$' | head -n1)
  [[ $1 == full ]] || { stop; return; }

  cpu_during sleep 10
  idle=$spent

  # "Hard": the lower arrow of the level scroll bar, twice; then Start.
  xdotool mousemove --window "$win" 464 140 click 1
  sleep 0.1
  xdotool mousemove --window "$win" 464 140 click 1
  sleep 0.1
  xdotool mousemove --window "$win" 330 217 click 1
  audio_during cpu_during play 10
  hard=$((spent - audio_spent))
  hard_audio=$audio_spent
  play $((play_seconds - 10))
  played_kib=$(rss_kib)

  # With no more keys the game at "Hard" soon ends; then, 3 s after its last
  # sound, the audio device is let go.
  for _ in $(seq 600); do
    xdotool search --onlyvisible --name '^Form2$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 4
  cpu_during sleep 10
  ended=$spent
  stop
}

echo "load average before the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
measure_floor
warm_floor=$first_us
measure_game warm-up
echo "warm-up: first window after $(us_ms "$warm_floor") ms (floor), $(us_ms "$first_us") ms (game)"
for run in $(seq "$runs"); do
  measure_floor
  floor_first+=("$first_us")
  floor_cpu+=("$startup_ns")
  floor_rss+=("$load_kib")
  printf 'run %d: floor: first window %s ms, start-up CPU %s ms, resident %s MiB\n' \
    "$run" "$(us_ms "$first_us")" "$(ms "$startup_ns")" "$(mib "$load_kib")"

  measure_game full
  game_first+=("$first_us")
  game_cpu+=("$startup_ns")
  game_rss+=("$load_kib")
  idle_ns+=("$idle")
  hard_ns+=("$hard")
  hard_audio_ns+=("$hard_audio")
  play_rss+=("$played_kib")
  ended_ns+=("$ended")
  printf 'run %d: game:  first window %s ms, start-up CPU %s ms, resident %s MiB; CPU %s ms in 10 s with no game, %s ms in 10 s at Hard (and %s ms in SDL'"'"'s audio thread); resident %s MiB after %d s at Hard; CPU %s ms in 10 s after the game\n' \
    "$run" "$(us_ms "$first_us")" "$(ms "$startup_ns")" "$(mib "$load_kib")" \
    "$(ms "$idle")" "$(ms "$hard")" "$(ms "$hard_audio")" "$(mib "$played_kib")" "$play_seconds" \
    "$(ms "$ended")"

  # Last, so that the start-ups above follow each other as closely as before.
  measure_floor_frames
  floor_frames_ns+=("$frames_ns")
  printf 'run %d: floor: CPU %s ms in 10 s of frames\n' "$run" "$(ms "$frames_ns")"
done
echo "load average after the runs: $(cut -d' ' -f1-3 /proc/loadavg)"

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { printf "%.1f\n", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
calc() { awk "BEGIN { printf \"$1\", $2 }"; }
verdict() { awk "BEGIN { print ($1) ? \"PASS\" : \"FAIL\" }"; }

gf=$(median "${game_first[@]}")
ff=$(median "${floor_first[@]}")
gc=$(median "${game_cpu[@]}")
fc=$(median "${floor_cpu[@]}")
gr=$(median "${game_rss[@]}")
fr=$(median "${floor_rss[@]}")
mi=$(median "${idle_ns[@]}")
mh=$(median "${hard_ns[@]}")
ma=$(median "${hard_audio_ns[@]}")
mp=$(median "${play_rss[@]}")
ff10=$(median "${floor_frames_ns[@]}")
me=$(median "${ended_ns[@]}")

echo
echo "medians over $runs runs of each"
row() { printf '  %-28s %11s %11s %14s   %-17s %s\n' "$@"; }
row "" "Stackfall" "floor" "game vs floor" "target" ""
row "time to first window" "$(us_ms "$gf") ms" "$(us_ms "$ff") ms" "x $(calc %.2f "$gf / $ff")" \
  "<= 1.2 x floor" "$(verdict "$gf <= 1.2 * $ff")"
row "start-up CPU" "$(ms "$gc") ms" "$(ms "$fc") ms" "$(calc %+.1f "($gc - $fc) / 1e6") ms" \
  "<= floor + 3 ms" "$(verdict "$gc - $fc <= 3e6")"
row "resident after load" "$(mib "$gr") MiB" "$(mib "$fr") MiB" \
  "$(calc %+.1f "($gr - $fr) / 1024") MiB" "<= floor + 2 MiB" "$(verdict "$gr - $fr <= 2048")"
# The clock counts single nanoseconds; any CPU at all with no game fails.
row "CPU in 10 s with no game" "$(calc %.3f "$mi / 1e6") ms" "" "" "0 ms" "$(verdict "$mi == 0")"
row "CPU in 10 s at Hard" "$(ms "$mh") ms" "$(ms "$ff10") ms" "x $(calc %.2f "$mh / $ff10")" \
  "<= 1.2 x floor" "$(verdict "$mh <= 1.2 * $ff10")"
row "  SDL's audio thread then" "$(ms "$ma") ms" "" "" "(not counted)" ""
row "CPU in 10 s after the game" "$(calc %.3f "$me / 1e6") ms" "" "" "0 ms" "$(verdict "$me == 0")"
row "resident after $play_seconds s at Hard" "$(mib "$mp") MiB" "" "" "(no target)" ""

[[ $callgrind != 0 ]] || exit 0
# Under callgrind each program's CPU clock runs some fifty times slower, and
# it goes quiet by the same rule; its profile is written when it is ended.
start valgrind --tool=callgrind --callgrind-out-file="$work/floor.callgrind" "$floor"
settle
stop
start valgrind --tool=callgrind --callgrind-out-file="$work/game.callgrind" "$game"
settle
stop
echo
echo "instructions to the idle window, by library (callgrind)"
python3 "$root/bench/ui/callgrind_libraries.py" "$work/game.callgrind" "$work/floor.callgrind"
