#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the Windows program under wine on a virtual X display, as a player
# would, and holds its window at load against the Qt build's. What the
# windows do with each key, click and question is the window suite's
# (ProgramTest.cpp); this is what the player sees of them on X: where the
# windows open, their pixels, a key held down, and the program's own end.
# Usage: play.sh <stackfall.exe> <source dir> <Qt stackfall executable>
# Wine runs in $WINEPREFIX, which must exist (scripts/test.sh makes it).
set -euo pipefail

exe=$1
root=$2
qt=$3

source "$root/tests/support/real_game.sh"
source "$root/tests/win32/text_mask.sh"
source "$root/tests/win32/own_prefix.sh"
need wine wine wineserver
need imagemagick import convert compare
[[ -x $qt ]] || fail "no Qt program at $qt: build the release preset first"

own_prefix
start_display "$work"
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

# The leftmost column of cells $@; the falling piece's lowest row.
left_of() {
  local n min=99
  for n; do
    (((n - 1) % 13 + 1 < min)) && min=$(((n - 1) % 13 + 1))
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
# Pushes every piece down until the stack reaches the top; prints the
# game-over window.
push_down_to_game_over() {
  for _ in $(seq 60); do
    xdotool key --window "$main" --delay 2 Down Down Down Down Down Down Down Down Down Down
    window_shown Form2 && break
  done
  wait_window Form2 5
}

# Waits up to $2 seconds for the window titled $1 to go.
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
