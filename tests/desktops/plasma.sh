#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a player's Plasma session starts it, on a headless KWin: it
# runs natively, under KWin's title bar, which offers no maximise, and takes
# no more memory than under plain X11 give or take 3 MiB. What KWin tells its
# task manager and its window switcher leaves out the about box and the
# game-over picture. A click on the playfield brings the main window over
# them; showing one again brings the same single window on top with the
# focus, where it was; once it is closed, the main window has the focus
# again. Clicks go through KWin's fake input, which KWin grants, as it hands
# out its window data, only under KWIN_WAYLAND_NO_PERMISSION_CHECKS=1.
# Usage: plasma.sh <stackfall executable> <wayland_click helper> <plasma_windows helper>
#                  [--no-memory-check]
set -uo pipefail

game=$1
click=$2
windows_tool=$3
memory_check=${4:-}
source "$(dirname "$0")/../../scripts/need.sh"
need kwin-wayland kwin_wayland
need xwayland Xwayland
need dbus dbus-daemon
need xvfb Xvfb

work=$(mktemp -d)
source "$(dirname "$0")/desktop_session.sh"
trap end_session EXIT

# Debian's kwin_wayland carries a file capability (cap_sys_resource) that an
# unprivileged container cannot grant, and exec then fails: a plain copy
# runs without it.
prepare_player "$click" "$windows_tool" "$(command -v kwin_wayland)"
prepare_x11_sockets
start_buses
# KWin starts the session's first program with the session's variables:
# this one writes them down, under their final name only once all are
# written, as the test reads them as soon as the file is there.
cat >"$work/player/session.sh" <<'SESSION'
#!/bin/sh
env >"$XDG_RUNTIME_DIR/session.env.part"
mv "$XDG_RUNTIME_DIR/session.env.part" "$XDG_RUNTIME_DIR/session.env"
exec sleep 3600
SESSION
chmod 755 "$work/player/session.sh"
"${player[@]}" KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 XDG_CURRENT_DESKTOP=KDE \
  "$work/player/kwin_wayland" --virtual --width 1024 --height 768 --xwayland --no-lockscreen \
  --no-global-shortcuts --socket wayland-0 --exit-with-session "$work/player/session.sh" \
  >"$work/kwin.log" 2>&1 &
compositor_pid=$!
wait_file "$work/runtime/session.env" 30 || fail "KWin did not start: $(tail -n3 "$work/kwin.log")"
x_display=$(sed -n 's/^DISPLAY=//p' "$work/runtime/session.env")
[[ -n $x_display ]] || fail "KWin started no XWayland"
player=("${player[@]}" WAYLAND_DISPLAY=wayland-0 DISPLAY="$x_display" XDG_SESSION_TYPE=wayland
  XDG_CURRENT_DESKTOP=KDE)

# The windows from the bottom of the stack to the top: title, x, y, width,
# height, states, process id (see plasma_windows.cpp); wait_view, count_views
# and top_view read them.
views() {
  as_player "$work/player/${windows_tool##*/}"
}

# The states of the window titled $1.
states_of() {
  views | awk -F'\t' -v t="$1" '$1 == t { print $6; exit }'
}

# Clicks at $1,$2 of the client area of the window titled $1; KWin gives
# the frame's geometry, whose side and bottom edges are alike.
click_in() {
  local x y w h border inner_w inner_h
  read -r x y w h <<<"$(wait_view "$1" 1)" || fail "no window titled $1 to click"
  case $1 in
  Stackfall) inner_w=485 inner_h=424 ;;
  *) inner_w=$w inner_h=$h ;;
  esac
  border=$(((w - inner_w) / 2))
  as_player "$work/player/${click##*/}" $((x + border + $2)) \
    $((y + h - inner_h - border + $3)) 1024 768 || fail "could not click in $1"
}

start_game
main=$(wait_view Stackfall 30) || fail "the main window did not appear"
[[ $(game_platform) == wayland ]] || fail "the game runs on $(game_platform), not natively"
[[ $(states_of Stackfall) != *maximizable* ]] || fail "KWin offers to maximise the main window"

compare_memory Plasma

# The window titled $1 is left out of the task manager and the switcher.
expect_unlisted() {
  local states
  states=$(states_of "$1")
  [[ $states == *skiptaskbar* && $states == *skipswitcher* ]] ||
    fail "$1 is listed by the task manager or the switcher (its states: $states)"
}

# Within 2 s, the single window titled $1 is active and on top, and still
# at the geometry $2.
expect_forward() {
  local title=$1 at=$2 _
  for _ in $(seq 20); do
    if [[ $(top_view) == "$title" && $(states_of "$title") == *active* ]]; then
      (($(count_views "$title") == 1)) || fail "$(count_views "$title") windows titled $title"
      [[ $(wait_view "$title" 1) == "$at" ]] || fail "$title moved from $at to $(wait_view "$title" 1)"
      return 0
    fi
    sleep 0.1
  done
  fail "$title is not on top with the focus within 2 s; from the bottom up: $(views | cut -f1,6 | tr '\n\t' '  ')"
}

click_playfield() {
  click_in Stackfall 100 385
  sleep 0.3
  [[ $(top_view) == Stackfall ]] || fail "a click on the playfield left $(top_view) on top"
  [[ $(states_of Stackfall) == *active* ]] || fail "a click on the playfield left the main window inactive"
}

click_in Stackfall 330 217 # Start
click_in Stackfall 330 273 # About
at=$(wait_view 'About MyApp' 5) || fail "no about box"
expect_unlisted 'About MyApp'
click_playfield
click_in Stackfall 330 273
expect_forward 'About MyApp' "$at"
click_in 'About MyApp' 10 10
for _ in $(seq 20); do
  [[ $(states_of Stackfall) == *active* ]] && break
  sleep 0.1
done
(($(count_views 'About MyApp') == 0)) || fail "a click left the about box open"
[[ $(states_of Stackfall) == *active* ]] || fail "the main window did not take the focus back"

# The fastest level (the level bar's lower arrow, twice) ends a game of
# pieces dropped straight down within seconds.
click_in Stackfall 464 139
click_in Stackfall 464 139
at=$(wait_view Form2 60) || fail "no game-over picture"
expect_unlisted Form2
click_playfield
click_in Stackfall 330 217 # the next game, while the picture stays open
for _ in $(seq 600); do
  [[ $(top_view) == Form2 ]] && break
  sleep 0.1
done
expect_forward Form2 "$at"

[[ ! -s $work/game.err ]] || fail "the game wrote: $(head -n5 "$work/game.err")"
echo "plasma: natively under KWin's title bar; the pictures left out of the task manager and the switcher, single, and brought forward unmoved"
