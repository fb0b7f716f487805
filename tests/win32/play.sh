#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the Windows program under wine on a virtual X display, as a player
# would, and holds its window at load against the Qt build's.
# Usage: play.sh <stackfall.exe> <source dir> <Qt stackfall executable>
# Wine runs in $WINEPREFIX, which must exist (scripts/test.sh makes it).
set -euo pipefail

exe=$1
root=$2
qt=$3

source "$root/tests/support/real_game.sh"
source "$root/tests/win32/text_mask.sh"
need wine wine wineserver
need imagemagick import convert compare
[[ -d ${WINEPREFIX:-} ]] || fail "WINEPREFIX names no wine prefix"
[[ -x $qt ]] || fail "no Qt program at $qt: build the release preset first"

# Wine's server goes with the session: one left running would hold windows
# on a display that is gone.
finish() {
  local status=$?
  set +e # or a failed test would stop here, leaving the display running
  wineserver -k 2>/dev/null
  (exit "$status")
  end_session
}
trap finish EXIT

start_display "$work"
export WINEDEBUG=-all
wineserver -k 2>/dev/null || true
wineserver -p >"$work/wineserver.log" 2>&1

# Starts "${game[@]}" on the display.
start_game() {
  "${game[@]}" >"$work/game.out" 2>"$work/game.err" &
  game_pid=$!
}

checks=0
check() {
  checks=$((checks + 1))
  echo "ok $checks - $*"
}

# The window's client area at load, the Qt build's first.
game=("$qt")
start_game
qt_window=$(wait_window Stackfall) || fail "the Qt build's window did not appear"
sleep 0.5
import -window "$qt_window" "$work/qt.png"
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=

game=(wine "$exe")
start_game
main=$(wait_window Stackfall 30) || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")" # X, Y, WIDTH, HEIGHT
[[ $WIDTH == 485 && $HEIGHT == 424 ]] || fail "the client area is ${WIDTH}x$HEIGHT, not 485x424"
# The frame, title bar included, is centred; the client area lies below the
# middle by half the title bar.
((X == (1024 - 485) / 2 && Y >= (768 - 424) / 2 && Y <= (768 - 424) / 2 + 30)) ||
  fail "the window is at $X,$Y, not centred"
check "the main window's client area is 485x424, centred"

sleep 0.5
import -window "$main" "$work/win32.png"
mapfile -t mask < <(text_mask 96)
convert "$work/qt.png" "${mask[@]}" "$work/qt-masked.png"
convert "$work/win32.png" "${mask[@]}" "$work/win32-masked.png"
differing=$(compare -metric AE "$work/qt-masked.png" "$work/win32-masked.png" "$work/diff.png" 2>&1 || true)
echo "pixels differing from the Qt build's at load, outside text: $differing"
((differing == 0)) || fail "$differing pixels differ from the Qt build's window (see $work/diff.png)"
check "the window at load matches the Qt build's outside text"

# The leftmost column of cells $@; the falling piece's leftmost column, its
# top and its lowest row.
left_of() {
  local n min=99
  for n; do
    (((n - 1) % 13 + 1 < min)) && min=$(((n - 1) % 13 + 1))
  done
  echo "$min"
}
piece_left() {
  local cells
  mapfile -t cells < <(blue_cells "$main")
  left_of "${cells[@]}"
}
piece_top() {
  local n min=99
  for n in $(blue_cells "$main"); do
    (((n - 1) / 13 + 1 < min)) && min=$(((n - 1) / 13 + 1))
  done
  echo "$min"
}
piece_bottom() {
  local n max=0
  for n in $(blue_cells "$main"); do
    (((n - 1) / 13 + 1 > max)) && max=$(((n - 1) / 13 + 1))
  done
  echo "$max"
}
level_name_shot() {
  import -window "$main" -crop 56x20+392+120 +repage "$work/level-$1.png"
}
same_level_name() {
  [[ $(compare -metric AE "$work/level-$1.png" "$work/level-$2.png" /dev/null 2>&1 || true) == 0 ]]
}
# The shape of cells $@: each cell as its row and column from their top left.
shape_of() {
  local n top=99 left=99
  for n; do
    (((n - 1) / 13 < top)) && top=$(((n - 1) / 13))
    (((n - 1) % 13 < left)) && left=$(((n - 1) % 13))
  done
  for n; do
    echo "$(((n - 1) / 13 - top)),$(((n - 1) % 13 - left))"
  done
}
# Presses key $1 in the main window and holds it for $2 key-downs in all,
# the first and then its repeats; the piece, last seen in column $column,
# must move by $3 columns. Each repeat reaches the program as the X server's
# own auto-repeat does: a further key-down with the repeat bit set, then one
# key-up.
key_moves() {
  local after down=() _
  for _ in $(seq "$2"); do
    down+=(keydown --window "$main" "$1")
  done
  xdotool "${down[@]}" keyup --window "$main" "$1"
  sleep 0.3
  after=$(piece_left)
  ((after - column == $3)) ||
    fail "$1, $2 key-downs, moved the piece from column $column to $after, not by $3 ($4)"
  column=$after
}
# Waits up to $2 seconds for the window titled $1 to go.
# Pushes every piece down until the stack reaches the top; prints the
# game-over window.
push_down_to_game_over() {
  for _ in $(seq 60); do
    xdotool key --window "$main" --delay 2 Down Down Down Down Down Down Down Down Down Down
    window_shown Form2 && break
  done
  wait_window Form2 5
}

wait_gone() {
  local _
  for _ in $(seq $(($2 * 10))); do
    window_shown "$1" || return 0
    sleep 0.1
  done
  fail "the window \"$1\" is still open"
}

click_start "$main"
sleep 0.3
[[ $(piece_bottom) -le 2 ]] || fail "Start brought in no piece"
# The focus starts on the clock panel; a click gives it to the score panel,
# Tab then to the level bar and on to the focus keeper. From each of them a
# held key moves the piece once for its press and once for each repeat.
column=$(piece_left)
key_moves Left 3 -3 "clock panel"
click "$main" 432 68
key_moves Right 3 3 "score panel"
xdotool key --window "$main" Tab
key_moves Left 3 -3 "level bar"
xdotool key --window "$main" Tab
key_moves Right 3 3 "focus keeper"
check "a held key moves the piece once per key-down, repeats included, from each control that takes the focus"

# Held down for real, Left repeats at the X server's own pace (25 a second
# after 660 ms) for longer than the piece needs to reach the left wall: it
# stops there, and the repeats it refuses change nothing, neither its shape
# nor the level.
mapfile -t cells < <(blue_cells "$main")
shape=$(shape_of "${cells[@]}")
level_name_shot before-wall
xdotool mousemove --window "$main" 120 200 keydown Left sleep 1.2 keyup Left
sleep 0.3
mapfile -t cells < <(blue_cells "$main")
column=$(left_of "${cells[@]}")
((column == 1)) || fail "a held Left left the piece in column $column, not at the wall"
[[ $(shape_of "${cells[@]}") == "$shape" ]] || fail "a held Left against the wall changed the piece's shape"
level_name_shot at-wall
same_level_name before-wall at-wall || fail "a held Left changed the level"
check "a held key moves the piece to the wall and no further, changing nothing else"

# Restart, asked while paused with the piece below the pause banner: No
# leaves the game as it was, paused; Yes, the default, starts afresh, with a
# new piece at the top falling.
for _ in $(seq 100); do
  (($(piece_top) >= 7)) && break
  sleep 0.1
done
xdotool key --window "$main" F3
sleep 0.3
paused=$(blue_cells "$main")
(($(piece_top) >= 7)) || fail "the piece did not fall below the pause banner"
click_start "$main"
question=$(wait_window "God Warning !!!") || fail "no restart question"
xdotool key --window "$question" n
wait_gone "God Warning !!!" 10
sleep 0.5
[[ $(blue_cells "$main") == "$paused" ]] || fail "No changed the paused game"
click_start "$main"
question=$(wait_window "God Warning !!!") || fail "no restart question"
xdotool key --window "$question" Return
wait_gone "God Warning !!!" 10
for _ in $(seq 50); do
  (($(piece_bottom) <= 3)) && break
  sleep 0.1
done
(($(piece_bottom) <= 3)) || fail "Yes did not restart the game"
check "the restart question: No leaves the paused game, Yes starts afresh"

# A level chosen with the level bar moves the focus on, so the arrow keys
# steer the piece and leave the level alone.
level_name_shot easy
click "$main" 464 139
sleep 0.3
level_name_shot mid
same_level_name easy mid && fail "the level bar's lower arrow did not change the level"
column=$(piece_left)
key_moves Left 1 -1 "after a level change"
level_name_shot after
same_level_name mid after || fail "Left changed the level: the level bar kept the focus"
check "after a level change the keys steer the piece, not the level bar"

# Exit, answered Cancel: nothing changes.
click_exit "$main"
question=$(wait_window "What's up, Zolbert !!") || fail "no exit question"
xdotool key --window "$question" Escape
wait_gone "What's up, Zolbert !!" 10
running || fail "Cancel ended the program"
check "the exit question: Cancel goes on"

# The about box: one window, however often asked for, centred, closed by a
# click.
click_about "$main"
about=$(wait_window "About MyApp") || fail "no about box"
click_about "$main"
sleep 0.3
(($(xdotool search --onlyvisible --name '^About MyApp$' | wc -l) == 1)) ||
  fail "a second about box opened"
eval "$(xdotool getwindowgeometry --shell "$about")"
[[ $WIDTH == 354 && $HEIGHT == 252 && $X == 335 && $Y == 258 ]] ||
  fail "the about box is ${WIDTH}x$HEIGHT at $X,$Y, not 354x252 at 335,258"
click "$about" 352 250
wait_gone "About MyApp" 10
check "the about box: single, 354x252, centred, closed by a click in its margin"

# At the hardest level, with every piece pushed down, the stack soon
# reaches the top.
click "$main" 464 139
over=$(push_down_to_game_over) || fail "no game-over window"
eval "$(xdotool getwindowgeometry --shell "$over")"
[[ $WIDTH == 501 && $HEIGHT == 339 && $X == 261 && $Y == 214 ]] ||
  fail "the game-over window is ${WIDTH}x$HEIGHT at $X,$Y, not 501x339 at 261,214"
click "$over" 250 170
wait_gone Form2 10
check "the game-over window: 501x339, centred, closed by a click"

# Exit, answered OK with the default button: the program ends at once.
click_exit "$main"
question=$(wait_window "What's up, Zolbert !!") || fail "no exit question"
xdotool key --window "$question" Return
wait_game_end 10 || fail "the program did not end after OK"
((game_status == 0)) || fail "the program ended with status $game_status"
check "the exit question: OK ends the program"

# Closing the main window while picture windows are open leaves them on
# screen and the program running; it ends, cleanly, when the last of them is
# clicked away. Without a window manager Alt+F4 closes the main window as
# its close box would; a click on it first takes the keyboard back from the
# picture window shown last.
shown_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort || true; }
before=$(shown_windows)
game=(wine "$exe")
start_game
main=$(wait_window Stackfall 30) || fail "the main window did not appear again"
click_start "$main"
click_about "$main"
about=$(wait_window "About MyApp") || fail "no about box"
click "$main" 460 5
over=$(push_down_to_game_over) || fail "no game-over window"
click "$main" 460 5
xdotool key --window "$main" alt+F4
wait_gone Stackfall 10
window_shown Form2 || fail "closing the main window closed the game-over window"
window_shown "About MyApp" || fail "closing the main window closed the about box"
running || fail "the program ended with its main window while picture windows were open"
click "$over" 250 170
wait_gone Form2 10
running || fail "the program ended while the about box was open"
click "$about" 352 250
wait_game_end 10 || fail "the program did not end when its last window closed"
((game_status == 0)) || fail "the program ended with status $game_status"
[[ $(shown_windows) == "$before" ]] || fail "a window was left on screen after the program ended"
check "closing the main window leaves the picture windows and the program running until the last is clicked"
