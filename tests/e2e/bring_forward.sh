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

active_window() {
  xprop -root _NET_ACTIVE_WINDOW | grep -oE '0x[0-9a-f]+' | head -n1
}

# Where window $1 stands on the screen: "x y".
position() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    END { print x, y }'
}

# Window $1 belongs to no other window, asks to be left out of the taskbar
# and the pager, and is centred on the 1024 x 768 screen.
expect_own_window() {
  local window=$1 x y width height
  xprop -id "$window" WM_TRANSIENT_FOR | grep -q 'window id' &&
    fail "window $window is tied to $(xprop -id "$window" WM_TRANSIENT_FOR)"
  local state
  state=$(xprop -id "$window" _NET_WM_STATE)
  [[ $state == *_NET_WM_STATE_SKIP_TASKBAR* && $state == *_NET_WM_STATE_SKIP_PAGER* ]] ||
    fail "window $window does not skip the taskbar and the pager: $state"
  read -r x y <<<"$(position "$window")"
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
  width=$WIDTH height=$HEIGHT
  ((${x} - (1024 - width) / 2 <= 1 && (1024 - width) / 2 - x <= 1 &&
    y - (768 - height) / 2 <= 1 && (768 - height) / 2 - y <= 1)) ||
    fail "window $window (${width}x$height) stands at $x,$y, not centred on the screen"
}

# Within a second, the single window titled $1 (id $2) is active, the topmost
# of the program's windows, and still at "x y" $3.
expect_forward() {
  local title=$1 window=$2 at=$3 _
  for _ in $(seq 10); do
    if (($(active_window) == window)) && [[ $(stacking_order | tail -n1) == "$window" ]]; then
      local count
      count=$(xdotool search --onlyvisible --name "^$title\$" | wc -l)
      ((count == 1)) || fail "$count windows titled $title"
      [[ $(position "$window") == "$at" ]] || fail "$title moved from $at to $(position "$window")"
      return 0
    fi
    sleep 0.1
  done
  fail "$title is not on top with the focus within 1 s; from the bottom up: $(stacking_order | tr '\n' ' ')"
}

# A click on the playfield, below the pictures, brings the main window over
# them with the focus.
click_playfield() {
  click "$main" 100 385
  sleep 0.3
  [[ $(stacking_order | tail -n1) == "$main" ]] ||
    fail "a click on the playfield left the main window under $(stacking_order | tail -n1)"
  (($(active_window) == main)) || fail "a click on the playfield left $(active_window) active"
}

# The pause banner's colour where it shows over the playfield.
banner=$(convert "$root/assets/pictures/pause.png" -format '%[hex:p{10,10}]' info:)
paused() {
  import -window "$main" "$work/main.png"
  [[ $(convert "$work/main.png" -format '%[hex:p{74,50}]' info:) == "${banner:0:6}"* ]]
}

click_start "$main"
click_about "$main"
about=$(wait_window 'About MyApp' 10)
[[ -n $about ]] || fail "no about box"
expect_own_window "$about"
at=$(position "$about")
click_playfield
click_about "$main"
expect_forward 'About MyApp' "$about" "$at"

# Closed by a click, it gives the keys back to the game.
click "$about" 10 10
sleep 0.3
window_shown 'About MyApp' && fail "a click left the about box open"
xdotool key F3
sleep 0.3
paused || fail "F3 after the about box closed did not reach the game"
xdotool key F3

for _ in $(seq 60); do
  xdotool key --delay 2 Down Down Down Down Down Down Down Down Down Down
  window_shown Form2 && break
done
picture=$(wait_window Form2 5)
[[ -n $picture ]] || fail "no game-over picture"
expect_own_window "$picture"
at=$(position "$picture")
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
