# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests that drive the real game on a virtual X display:
# sourced, not run. Sourcing it checks for Xvfb and xdotool, makes the
# scratch directory `work`, removed at the end unless the script fails, and
# silences the game's audio. The caller then sets `game` (the command that
# starts the game, as an array) and calls start_session, with the argument
# `window-manager` where players' stacking and focus are wanted.

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/need.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb_session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/scratch.sh"
source "$(dirname "${BASH_SOURCE[0]}")/x11_windows.sh"
need xvfb Xvfb
need xdotool xdotool

game_pid=
game_status=
work=$(mktemp -d)
trap end_session EXIT
export SDL_AUDIODRIVER=dummy

# In the sanitizer build, reports of the system's libraries are not ours.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export ASAN_OPTIONS="fast_unwind_on_malloc=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

stop_session() {
  [[ -z $game_pid ]] || kill "$game_pid" 2>/dev/null || true
  stop_display
}

# Starts a virtual display, a window manager if asked for, and the game on
# it with its output in $work/game.out and $work/game.err.
start_session() {
  start_display "$work"
  if [[ ${1:-} == window-manager ]]; then
    need openbox openbox
    need x11-utils xprop
    start_window_manager "$work"
  fi
  "${game[@]}" >"$work/game.out" 2>"$work/game.err" &
  game_pid=$!
}

running() {
  kill -0 "$game_pid" 2>/dev/null
}

# Waits up to $1 seconds for the game to end; sets game_status.
wait_game_end() {
  local seconds=$1 _
  for _ in $(seq $((seconds * 20))); do
    running || break
    sleep 0.05
  done
  running && return 1
  game_status=0
  wait "$game_pid" || game_status=$?
  game_pid=
  return 0
}

# Clicks window $1 at $2,$3 (window coordinates).
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# The main window's buttons, at the centres of their pictures.
click_start() { click "$1" 330 217; }
click_about() { click "$1" 330 273; }
click_exit() { click "$1" 330 329; }

# Starts a game in main window $1 and pushes pieces down until the
# game-over picture shows; prints that picture's window id.
play_to_game_over() {
  local main=$1 _
  click_start "$main"
  xdotool mousemove --window "$main" 120 200 # the keys go where the pointer is
  for _ in $(seq 60); do
    xdotool key --delay 2 Down Down Down Down Down Down Down Down Down Down
    window_shown Form2 && break
  done
  wait_window Form2 5
}

# Prints the playfield cells (1 to 299) that window $1 shows in the falling
# piece's blue.
blue_cells() {
  local shot="$work/cells.png" format= n
  import -window "$1" "$shot"
  for n in $(seq 299); do
    format+="%[hex:p{$((24 + 16 * ((n - 1) % 13) + 8)),$((24 + 16 * ((n - 1) / 13) + 8))}] "
  done
  n=0
  for colour in $(convert "$shot" -format "$format" info:); do
    n=$((n + 1))
    [[ ${colour:0:6} == 0000FF ]] && echo "$n"
  done
  return 0
}
