# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts that drive the real game on a virtual X display:
# sourced, not run. The caller sets `game` (the command that starts the
# game, as an array) and `work` (a scratch directory), then calls
# start_display, start_window_manager if players' stacking and focus are
# wanted, and start_game.

xvfb_pid=
wm_pid=
game_pid=
game_status=

fail() {
  echo "${0##*/}: FAIL: $*" >&2
  exit 1
}

stop_session() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
  [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  return 0
}

# For `trap end_session EXIT`: stops the session, and keeps the scratch
# directory with its logs only when the script failed.
end_session() {
  local status=$?
  stop_session
  if ((status == 0)); then
    rm -rf "$work"
  else
    echo "${0##*/}: logs kept in $work" >&2
  fi
}

# Xvfb picks a free display number itself and reports it.
start_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$work/display" \
    2>"$work/xvfb.log" &
  xvfb_pid=$!
  local _
  for _ in $(seq 200); do
    [[ -s $work/display ]] && break
    sleep 0.05
  done
  [[ -s $work/display ]] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
  export XDG_RUNTIME_DIR=$work
}

# Openbox, a window manager as players have one: frames, stacking, focus
# on click, owned windows kept above their owner. It is up once it has
# named itself on the root window.
start_window_manager() {
  openbox --sm-disable >"$work/wm.log" 2>&1 &
  wm_pid=$!
  local _
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  fail "the window manager did not start"
}

# The client windows from the bottom of the stack to the top, as the
# window manager keeps them.
stacking_order() {
  xprop -root _NET_CLIENT_LIST_STACKING | grep -oE '0x[0-9a-f]+' | while read -r id; do
    echo $((id))
  done
}

# Starts the game with its output in $work/game.out and $work/game.err.
start_game() {
  "${game[@]}" >"$work/game.out" 2>"$work/game.err" &
  game_pid=$!
}

# Prints the id of the visible window titled exactly $1, waiting up to $2
# seconds (default 10) for it.
wait_window() {
  local title=$1 seconds=${2:-10}
  timeout "$seconds" xdotool search --sync --onlyvisible --name "^$title\$" 2>/dev/null |
    head -n1
}

# Succeeds when a window titled exactly $1 is on screen now.
window_shown() {
  [[ -n $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null) ]]
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
