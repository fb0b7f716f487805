#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Under an X window manager (openbox): the picture windows are top-level
# windows of their own, owned by no window and kept out of the taskbar and
# the pager by their own hints. During a game, About opens the box centred on
# the screen, over the main window's buttons; a click on the playfield brings
# the main window over it, and About again brings the same single box back on
# top with the focus, where it was. A click closes it, and F3 then reaches
# the game without another click. The same for the game-over picture, shown
# again by the next game over.
# Usage: bring_forward.sh <stackfall executable> <source dir>
set -uo pipefail

game=("$1")
root=$2

source "$root/tests/support/real_game.sh"
need imagemagick import convert

start_session window-manager
main=$(wait_window Stackfall 30)
[[ -n $main ]] || fail "the main window did not appear"

# A click on the playfield, below the pictures, brings the main window over
# them with the focus.
click_playfield() {
  click "$main" 100 385
  sleep 0.3
  (($(top_window) == main)) || fail "a click on the playfield left the main window under $(top_window)"
  (($(active_window) == main)) || fail "a click on the playfield left $(active_window) active"
}

click_start "$main"
click_about "$main"
about=$(wait_window 'About MyApp' 10)
[[ -n $about ]] || fail "no about box"
expect_own_window "$about"
at=$(geometry "$about")
click_playfield
click_about "$main"
expect_forward 'About MyApp' "$about" "$at"

# Closed by a click, it gives the keys back to the game.
click "$about" 10 10
sleep 0.3
window_shown 'About MyApp' && fail "a click left the about box open"
xdotool key F3
sleep 0.3
paused "$main" || fail "F3 after the about box closed did not reach the game"
xdotool key F3

for _ in $(seq 60); do
  xdotool key --delay 2 Down Down Down Down Down Down Down Down Down Down
  window_shown Form2 && break
done
picture=$(wait_window Form2 5)
[[ -n $picture ]] || fail "no game-over picture"
expect_own_window "$picture"
at=$(geometry "$picture")
click_playfield
# The next game, pushed down to its end while the picture stays open.
click_start "$main"
for _ in $(seq 60); do
  xdotool key --delay 2 Down Down Down Down Down Down Down Down Down Down
  (($(active_window) == picture)) && break
done
expect_forward Form2 "$picture" "$at"

[[ ! -s $work/game.err ]] || fail "the game wrote: $(head -n5 "$work/game.err")"
echo "bring_forward: under openbox the main window came over the pictures, and each came back on top, single and unmoved"
