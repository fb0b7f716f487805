#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Under an X window manager (openbox): the picture windows belong to the
# main window, and showing one that is open brings it forward. About, a click
# on the playfield (the main window takes the focus), About again: within a
# second the about box is on top with the focus, and still a single box. The
# same for the game-over picture, shown again by the next game over. The
# pictures are first moved off the buttons, as a player would drag them: the
# window manager keeps them above the main window, over its buttons.
# Usage: bring_forward.sh <stackfall executable> <source dir>
set -uo pipefail

game=("$1")
root=$2

source "$root/tests/support/real_game.sh"
need imagemagick import convert

start_session window-manager
main=$(wait_window Stackfall 30)
[[ -n $main ]] || fail "the main window did not appear"

active_window() {
  xprop -root _NET_ACTIVE_WINDOW | grep -oE '0x[0-9a-f]+' | head -n1
}

# Within a second, the single window titled $1 (id $2) is active and the
# topmost of the program's windows.
expect_forward() {
  local title=$1 window=$2 _
  for _ in $(seq 10); do
    if (($(active_window) == window)) && [[ $(stacking_order | tail -n1) == "$window" ]]; then
      local count
      count=$(xdotool search --onlyvisible --name "^$title\$" | wc -l)
      ((count == 1)) || fail "$count windows titled $title"
      return 0
    fi
    sleep 0.1
  done
  fail "$title is not on top with the focus within 1 s; from the bottom up: $(stacking_order | tr '\n' ' ')"
}

# Window $1 is tied to the main window.
expect_owned() {
  local owner
  owner=$(xprop -id "$1" WM_TRANSIENT_FOR | grep -oE '0x[0-9a-f]+')
  ((owner == main)) || fail "window $1 belongs to ${owner:-no window}, not to the main window"
}

click_playfield() {
  click "$main" 100 385
  sleep 0.3
  (($(active_window) == main)) || fail "a click on the playfield left $(active_window) active"
}

click_about "$main"
about=$(wait_window 'About MyApp' 10)
[[ -n $about ]] || fail "no about box"
expect_owned "$about"
xdotool windowmove "$about" 0 400
click_playfield
click_about "$main"
expect_forward 'About MyApp' "$about"

picture=$(play_to_game_over "$main")
[[ -n $picture ]] || fail "no game-over picture"
expect_owned "$picture"
xdotool windowmove "$picture" 0 0
click_playfield
# The next game, pushed down to its end while the picture stays open.
click_start "$main"
xdotool mousemove --window "$main" 120 200
for _ in $(seq 60); do
  xdotool key --delay 2 Down Down Down Down Down Down Down Down Down Down
  (($(active_window) == picture)) && break
done
expect_forward Form2 "$picture"

[[ ! -s $work/game.err ]] || fail "the game wrote: $(head -n5 "$work/game.err")"
echo "bring_forward: the about box and the game-over picture came forward, single, under openbox"
