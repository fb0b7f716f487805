#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game in a Wayland session, on a headless compositor: it opens natively
# (not through X11), its window maps at 485 x 424, it takes no more memory
# than under X11 give or take 3 MiB, a click on Start starts a game, closing
# the window ends it with status 0, and it writes nothing on the way.
# Usage: native.sh <stackfall executable> <wayland_click helper> [--no-memory-check]
set -uo pipefail

game=$1
click=$2
memory_check=${3:-}
source "$(dirname "$0")/../../scripts/need.sh"
need sway sway swaymsg
need grim grim
need xvfb Xvfb
need imagemagick convert
need python3 python3

work=$(mktemp -d)
source "$(dirname "$0")/wayland_session.sh"
trap end_session EXIT

start_compositor
start_game
main=$(wait_view Stackfall 30) || fail "the main window did not appear"
read -r _ _ width height <<<"$main"
[[ $width == 485 && $height == 424 ]] || fail "the window maps at ${width}x$height, not 485x424"
shell=$(views | awk -F'\t' '$1 == "Stackfall" { print $8 }')
[[ $shell == xdg_shell ]] || fail "the window came through $shell, not natively"
compare_memory Wayland

# Blue pixels of the falling piece in the playfield, as on screen.
falling_pixels() {
  local x y
  read -r x y _ <<<"$main"
  as_player grim - >"$work/shot.png" || fail "no screenshot"
  convert "$work/shot.png" -crop "233x393+$((x + 24))+$((y + 24))" +repage \
    -fill black +opaque '#0000FF' -fill white -opaque '#0000FF' -format '%[fx:round(mean*w*h)]' info:
}
(($(falling_pixels) == 0)) || fail "a piece falls before Start"
click_in "$main" 330 217 # Start
sleep 0.5
(($(falling_pixels) > 0)) || fail "Start started no game"

as_player swaymsg '[title="^Stackfall$"] kill' >/dev/null
for _ in $(seq 100); do
  running || break
  sleep 0.05
done
running && fail "the game did not end when its window was closed"
wait "$game_pid"
status=$?
game_pid=
((status == 0)) || fail "the game ended with status $status"
[[ ! -s $work/game.err && ! -s $work/game.out ]] || fail "the game wrote: $(head -n5 "$work/game.err")"
echo "native: the game ran natively on Wayland at 485x424, started a game and ended quietly"
