#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a short game with the real executable on a virtual X display, as a
# player would: start, move, drop, pause, quit.
# Usage: play.sh <stackfall executable> <source dir>
set -euo pipefail

game=("$1")
root=$2

source "$root/tests/support/real_game.sh"
need imagemagick import convert

start_session

win=$(timeout 10 xdotool search --sync --onlyvisible --name '^Stackfall$' | head -n1) ||
  fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$win")" # X, Y, WIDTH, HEIGHT
[[ $WIDTH == 485 && $HEIGHT == 424 ]] || fail "window is ${WIDTH}x$HEIGHT, not 485x424"

shot=0
# Takes a screenshot of the main window; prints its file name.
screenshot() {
  shot=$((shot + 1))
  local file="$work/shot$shot.png"
  import -window root -crop "485x424+$X+$Y" +repage "$file"
  echo "$file"
}

# Prints the colour (RRGGBB) of each window pixel "x,y" given.
pixels() {
  local file=$1 format=
  shift
  for p in "$@"; do format+="%[hex:p{$p}] "; done
  convert "$file" -format "$format\n" info:
}

# Prints the cells (1 to 299) shown in the falling piece's blue.
blue_cells() {
  local points=()
  for n in $(seq 299); do
    points+=("$((24 + 16 * ((n - 1) % 13) + 8)),$((24 + 16 * ((n - 1) / 13) + 8))")
  done
  local i=0
  for colour in $(pixels "$1" "${points[@]}"); do
    i=$((i + 1))
    [[ ${colour:0:6} == 0000FF ]] && echo "$i"
  done
}

col() { echo $((($1 - 1) % 13 + 1)); }
row() { echo $((($1 - 1) / 13 + 1)); }
min_col() { local m=99; for c in "$@"; do (($(col "$c") < m)) && m=$(col "$c"); done; echo $m; }
max_row() { local m=0; for c in "$@"; do (($(row "$c") > m)) && m=$(row "$c"); done; echo $m; }

settle() { sleep 0.3; }

# Before any game: an empty board inside the grey ring, once the window has
# drawn itself, which may come a moment after it maps.
for _ in $(seq 100); do
  read -r a b c < <(pixels "$(screenshot)" 32,32 16,16 8,8)
  [[ $a == FFFFFF && $b == C0C0C0 && $c == 000000 ]] && break
  sleep 0.1
done
[[ $a == FFFFFF && $b == C0C0C0 && $c == 000000 ]] || fail "empty board not shown: $a $b $c"

# Start: a piece in the top rows.
xdotool mousemove --window "$win" 330 217 click 1
settle
mapfile -t piece < <(blue_cells "$(screenshot)")
((${#piece[@]} >= 1 && ${#piece[@]} <= 4)) || fail "no falling piece after Start (${piece[*]:-})"
(($(max_row "${piece[@]}") <= 4)) || fail "the new piece is not at the top: ${piece[*]}"

# Left moves it one column.
xdotool mousemove --window "$win" 100 300
xdotool key Left
settle
mapfile -t moved < <(blue_cells "$(screenshot)")
((${#moved[@]} == ${#piece[@]})) || fail "the piece changed on Left: ${piece[*]} -> ${moved[*]}"
(($(min_col "${moved[@]}") == $(min_col "${piece[@]}") - 1)) ||
  fail "Left did not move the piece one column: ${piece[*]} -> ${moved[*]}"

# Down five times moves it five rows at once, far more than gravity would.
xdotool key Down Down Down Down Down
settle
mapfile -t dropped < <(blue_cells "$(screenshot)")
(($(max_row "${dropped[@]}") >= $(max_row "${moved[@]}") + 5)) ||
  fail "Down did not move the piece: ${moved[*]} -> ${dropped[*]}"

# F3 pauses: the banner shows and the piece stands still.
xdotool key F3
settle
points=(30,20 65,35 100,50 10,35 120,35)
read -r -a want < <(pixels "$root/assets/pictures/pause.png" "${points[@]}")
shown=()
for p in "${points[@]}"; do shown+=("$((64 + ${p%,*})),$((40 + ${p#*,}))"); done
paused_shot=$(screenshot)
read -r -a got < <(pixels "$paused_shot" "${shown[@]}")
for i in "${!points[@]}"; do
  [[ ${got[$i]} == "${want[$i]:0:6}" ]] || fail "pause banner not shown at ${points[$i]}"
done
mapfile -t still < <(blue_cells "$paused_shot")
sleep 1.2
mapfile -t later < <(blue_cells "$(screenshot)")
[[ "${still[*]}" == "${later[*]}" ]] || fail "the piece fell while paused"

# Exit, answered OK with Return: the process ends with status 0.
xdotool mousemove --window "$win" 330 329 click 1
question=$(timeout 10 xdotool search --sync --onlyvisible --name "^What's up, Zolbert !!\$" |
  head -n1) || fail "the exit question did not appear"
xdotool mousemove --window "$question" 20 20
xdotool key Return
wait_game_end 5 || fail "the game did not end after OK"
((game_status == 0)) || fail "the game ended with status $game_status"
echo "e2e: the game started, moved, dropped, paused and quit"
