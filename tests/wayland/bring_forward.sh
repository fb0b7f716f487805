#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a Wayland compositor, where a window cannot raise itself: About, a
# click on the playfield (the main window comes on top), About again: within
# a second the about box is on top with the focus, and still a single box.
# The same for the game-over picture, shown again by the next game over.
# Usage: bring_forward.sh <stackfall executable> <wayland_click helper>
set -uo pipefail

game=$1
click=$2
source "$(dirname "$0")/../../scripts/need.sh"
need sway sway swaymsg
need python3 python3

work=$(mktemp -d)
source "$(dirname "$0")/wayland_session.sh"
trap end_session EXIT

start_compositor
start_game
main=$(wait_view Stackfall 30) || fail "the main window did not appear"

# Within a second, a single window titled $1 is on top with the focus.
expect_forward() {
  local title=$1 _
  for _ in $(seq 10); do
    if [[ $(top_view) == "$title" ]] && view_is "$title" focused; then
      (($(count_views "$title") == 1)) || fail "$(count_views "$title") windows titled $title"
      return 0
    fi
    sleep 0.1
  done
  fail "$title is not on top with the focus within 1 s; from the bottom up: $(views | cut -f1,6 | tr '\n\t' '  ')"
}

# A click on the playfield, below both pictures, brings the main window on top.
click_playfield() {
  click_in "$main" 100 385
  sleep 0.3
  [[ $(top_view) == Stackfall ]] || fail "a click on the playfield left $(top_view) on top"
}

click_in "$main" 330 273 # About
wait_view 'About MyApp' 5 >/dev/null || fail "no about box"
click_playfield
click_in "$main" 330 273
expect_forward 'About MyApp'

# The fastest level (the level bar's lower arrow, twice) ends a game of
# pieces dropped straight down within seconds.
click_in "$main" 464 139
click_in "$main" 464 139
click_in "$main" 330 217 # Start
wait_view Form2 60 >/dev/null || fail "no game-over picture"
click_playfield
click_in "$main" 330 217 # the next game, while the picture stays open
for _ in $(seq 600); do
  [[ $(top_view) == Form2 ]] && break
  sleep 0.1
done
expect_forward Form2

[[ ! -s $work/game.err ]] || fail "the game wrote: $(head -n5 "$work/game.err")"
echo "bring_forward: the about box and the game-over picture came forward, single, on Wayland"
