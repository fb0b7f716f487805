#!/usr/bin/env bash
# Measures the real game on a virtual X display: time from start to its
# first mapped window, resident memory after load and after 60 s of play at
# "Hard", and CPU time over 10 s with no game and over 10 s of play at
# "Hard". Each run starts the game afresh; medians are printed at the end.
#
# Usage: bench/ui/measure.sh [stackfall executable]   (RUNS=3, PLAY_SECONDS=60)
# Targets: first window < 150 ms, resident < 40 MiB, no CPU at all with no
# game, < 2 % of one core at "Hard".
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
game=${1:-$root/build/ui/stackfall}
runs=${RUNS:-3}
play_seconds=${PLAY_SECONDS:-60}
[[ -x $game ]] || { echo "measure: no executable at $game (build first)" >&2; exit 1; }
source "$root/scripts/need.sh"
need xvfb Xvfb
need xdotool xdotool
need x11-utils xev

work=$(mktemp -d)
xvfb_pid=
game_pid=
xev_pid=
cleanup() {
  for pid in $game_pid $xev_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s $work/display ]] && break
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_RUNTIME_DIR=$work
ticks=$(getconf CLK_TCK)

now_ns() { date +%s%N; }
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$game_pid/status"; }
cpu_ticks() {
  local stat
  stat=$(<"/proc/$game_pid/stat")
  stat=${stat##*) } # after the command name
  read -r -a f <<<"$stat"
  echo $((f[11] + f[12])) # utime + stime
}
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
ms_of_ticks() { echo $(($1 * 1000 / ticks)); }

# Starts the game; sets first_ms to the milliseconds until its first window
# maps.
start_game() {
  rm -f "$work/events" "$work/mapped"
  mkfifo "$work/events"
  stdbuf -oL xev -root -event substructure >"$work/events" 2>/dev/null &
  xev_pid=$!
  (
    mapnotify=
    while IFS= read -r line; do
      if [[ $line == MapNotify* ]]; then
        mapnotify=1
      elif [[ -n $mapnotify && $line == *"override NO"* ]]; then
        now_ns >"$work/mapped"
        break
      else
        mapnotify=
      fi
    done <"$work/events"
  ) &
  local watcher=$!
  sleep 0.3 # xev is listening
  local t0
  t0=$(now_ns)
  "$game" >/dev/null 2>&1 &
  game_pid=$!
  wait "$watcher"
  kill "$xev_pid" 2>/dev/null || true
  wait "$xev_pid" 2>/dev/null || true
  xev_pid=
  first_ms=$((($(<"$work/mapped") - t0) / 1000000))
}

stop_game() {
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=
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

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -a first_window rss_load idle_ms play_ms rss_play
for run in $(seq "$runs"); do
  start_game
  ms=$first_ms
  win=$(xdotool search --sync --onlyvisible --name '^Stackfall$' | head -n1)
  sleep 1
  load_kib=$(rss_kib)

  c0=$(cpu_ticks)
  sleep 10
  idle=$(ms_of_ticks $(($(cpu_ticks) - c0)))

  # "Hard": the lower arrow of the level scroll bar, twice; then Start.
  xdotool mousemove --window "$win" 464 140 click 1
  sleep 0.1
  xdotool mousemove --window "$win" 464 140 click 1
  sleep 0.1
  xdotool mousemove --window "$win" 330 217 click 1
  c0=$(cpu_ticks)
  play 10
  busy=$(ms_of_ticks $(($(cpu_ticks) - c0)))
  play $((play_seconds - 10))
  play_kib=$(rss_kib)
  stop_game

  printf 'run %d: first window %d ms, resident %s MiB after load, %s MiB after %d s at Hard; CPU %d ms in 10 s with no game, %d ms in 10 s at Hard\n' \
    "$run" "$ms" "$(mib "$load_kib")" "$(mib "$play_kib")" "$play_seconds" "$idle" "$busy"
  first_window+=("$ms")
  rss_load+=("$load_kib")
  rss_play+=("$play_kib")
  idle_ms+=("$idle")
  play_ms+=("$busy")
done

m_first=$(printf '%s\n' "${first_window[@]}" | median)
m_load=$(printf '%s\n' "${rss_load[@]}" | median)
m_play_rss=$(printf '%s\n' "${rss_play[@]}" | median)
m_idle=$(printf '%s\n' "${idle_ms[@]}" | median)
m_busy=$(printf '%s\n' "${play_ms[@]}" | median)
row() { printf '  %-30s %-12s (target %s)\n' "$1" "$2" "$3"; }
echo "medians over $runs runs:"
row "time to first window" "$m_first ms" "< 150 ms"
row "resident after load" "$(mib "$m_load") MiB" "< 40 MiB"
row "resident after $play_seconds s at Hard" "$(mib "$m_play_rss") MiB" "< 40 MiB"
row "CPU in 10 s with no game" "$m_idle ms" "0"
row "CPU in 10 s at Hard" "$m_busy ms" "< 200 ms, 2 % of a core"
