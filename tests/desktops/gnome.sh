#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a player's GNOME session starts it, on a headless mutter: it
# goes through XWayland, where mutter draws its title bar, which offers no
# maximise; it takes no more memory than under plain X11 give or take 3 MiB.
# The about box and the game-over picture are centred on the screen, belong
# to no window and ask to be left out of the taskbar and the pager; a click
# on the playfield brings the main window over them, and showing one again
# brings the same single window on top with the focus, unmoved. Once the
# about box is closed, F3 reaches the game without a click. The questions
# keep their titles, offer no maximise, and open over the main window. Named
# by the player, or without XWayland, the platform is Wayland.
# Clicks and keys go through mutter's remote-desktop interface.
# Usage: gnome.sh <stackfall executable> <source dir> [--no-memory-check]
set -uo pipefail

game=$1
root=$2
memory_check=${3:-}
source "$root/scripts/need.sh"
need mutter mutter
need xwayland Xwayland
need pipewire pipewire
need dbus dbus-daemon
need x11-utils xprop xwininfo
need xdotool xdotool
need xvfb Xvfb
need imagemagick import convert
# Debian's Python, with its D-Bus and GLib bindings, whatever else is first
# on the PATH.
python=/usr/bin/python3
if ! "$python" -c 'import dbus, gi' 2>/dev/null; then
  echo "python3-dbus or python3-gi is missing (bash scripts/setup.sh test)" >&2
  exit 1
fi

work=$(mktemp -d)
source "$root/tests/desktops/desktop_session.sh"
source "$root/tests/support/x11_windows.sh"
trap end_session EXIT

prepare_player "$root/tests/desktops/mutter_input.py"
prepare_x11_sockets
start_buses
"${player[@]}" pipewire >"$work/pipewire.log" 2>&1 &
session_pids+=($!)
"${player[@]}" mutter --headless --wayland --virtual-monitor 1024x768 >"$work/mutter.log" 2>&1 &
compositor_pid=$!
for _ in $(seq 200); do
  x_display=$(grep -oE 'Using public X11 display :[0-9]+' "$work/mutter.log" | grep -oE ':[0-9]+')
  [[ -n $x_display && -S $work/runtime/wayland-0 ]] && break
  sleep 0.05
done
[[ -n $x_display ]] || fail "mutter did not start: $(tail -n3 "$work/mutter.log")"
export DISPLAY=$x_display
XAUTHORITY=$(ls "$work"/runtime/.mutter-Xwaylandauth.* 2>/dev/null | head -n1)
export XAUTHORITY
wait_file "$work/runtime/pipewire-0" 10 || fail "PipeWire did not start"
player=("${player[@]}" WAYLAND_DISPLAY=wayland-0 DISPLAY="$DISPLAY" XAUTHORITY="$XAUTHORITY"
  XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME)

# mutter's remote input for the whole test, fed through two FIFOs.
mkfifo -m 666 "$work/runtime/input.in" "$work/runtime/input.out"
"${player[@]}" "$python" "$work/player/mutter_input.py" "$work/runtime/input.in" \
  "$work/runtime/input.out" 2>"$work/input.err" &
session_pids+=($!)
exec {to_input}>"$work/runtime/input.in" {from_input}<"$work/runtime/input.out"

# Sends a command to mutter_input.py and waits until it is done.
input() {
  local reply=
  echo "$*" >&"$to_input"
  read -r -t 10 reply <&"$from_input"
  [[ $reply == done ]] || fail "mutter's remote input did not answer to $*: $(tail -n3 "$work/input.err")"
}

# Clicks at $1,$2 on the screen; presses the keys named.
click_screen() {
  input click "$1" "$2"
}
press() {
  input key "$@"
}

# Clicks in X window $1 at $2,$3 of it.
click_in() {
  local x y _
  read -r x y _ <<<"$(geometry "$1")"
  click_screen $((x + $2)) $((y + $3))
}

start_game
main=$(wait_window Stackfall 30)
if [[ -z $main ]]; then
  fail "no main window came through XWayland; the game loaded Qt's $(game_platform) platform"
fi
[[ $(game_platform) == xcb ]] || fail "the game runs on $(game_platform), not on XWayland"
read -r _ _ width height <<<"$(geometry "$main")"
[[ $width == 485 && $height == 424 ]] || fail "the window maps at ${width}x$height, not 485x424"
actions=$(xprop -id "$main" _NET_WM_ALLOWED_ACTIONS)
[[ $actions == *_NET_WM_ACTION_CLOSE* && $actions == *_NET_WM_ACTION_MINIMIZE* ]] ||
  fail "mutter offers no close and minimise: $actions"
[[ $actions != *MAXIMIZE* && $actions != *RESIZE* ]] || fail "mutter offers more: $actions"
read -r _ _ title_bar _ <<<"$(xprop -id "$main" _NET_FRAME_EXTENTS | grep -oE '[0-9]+(, [0-9]+){3}' |
  tr -d ,)"
((${title_bar:-0} > 0)) || fail "mutter drew no title bar over the main window"

compare_memory GNOME

click_playfield() {
  click_in "$main" 100 385
  sleep 0.3
  (($(top_window) == main)) || fail "a click on the playfield left $(top_window) on top"
  (($(active_window) == main)) || fail "a click on the playfield left $(active_window) active"
}

# Question $1, opened by the button at $2,$3, keeps its title, offers no
# maximise, stands over the main window, and goes with the key $4 (Escape
# answers Cancel; a Yes/No question ignores it and goes with N, for No).
expect_question() {
  local title=$1 key=$4 question x y w h mx my mw mh actions
  click_in "$main" "$2" "$3"
  question=$(wait_window "$title" 5)
  [[ -n $question ]] || fail "no question titled \"$title\""
  actions=$(xprop -id "$question" _NET_WM_ALLOWED_ACTIONS)
  [[ $actions != *MAXIMIZE* ]] || fail "\"$title\" can be maximised: $actions"
  read -r x y w h <<<"$(geometry "$question")"
  read -r mx my mw mh <<<"$(geometry "$main")"
  ((x >= mx && y >= my && x + w <= mx + mw && y + h <= my + mh)) ||
    fail "\"$title\" at $x,$y ${w}x$h is not over the main window at $mx,$my ${mw}x$mh"
  if [[ $key != Escape ]]; then
    press Escape
    sleep 0.3
    window_shown "$title" || fail "Escape closed \"$title\", which asks Yes or No"
  fi
  press "$key"
  sleep 0.3
  window_shown "$title" && fail "$key left \"$title\" open"
  return 0
}

# Start, then each question; a second click on Start at once would be the
# second half of a double-click, which counts for nothing.
click_in "$main" 330 217
expect_question "What's up, Zolbert !!" 330 329 Escape
expect_question "God Warning !!!" 330 217 n

click_in "$main" 330 273 # About
about=$(wait_window 'About MyApp' 5)
[[ -n $about ]] || fail "no about box"
expect_own_window "$about"
at=$(geometry "$about")
click_playfield
click_in "$main" 330 273
expect_forward 'About MyApp' "$about" "$at"
click_in "$about" 10 10
sleep 0.3
window_shown 'About MyApp' && fail "a click left the about box open"
press F3
sleep 0.3
paused "$main" || fail "F3 after the about box closed did not reach the game"
press F3

# The fastest level (the level bar's lower arrow, twice) ends a game of
# pieces dropped straight down within seconds.
click_in "$main" 464 139
click_in "$main" 464 139
picture=$(wait_window Form2 60)
[[ -n $picture ]] || fail "no game-over picture"
expect_own_window "$picture"
at=$(geometry "$picture")
click_playfield
click_in "$main" 330 217 # the next game, while the picture stays open
for _ in $(seq 600); do
  (($(top_window) == picture)) && break
  sleep 0.1
done
expect_forward Form2 "$picture" "$at"

[[ ! -s $work/game.err ]] || fail "the game wrote: $(head -n5 "$work/game.err")"

# A platform the player names wins; without XWayland the game stays native.
for session in QT_QPA_PLATFORM=wayland "env -u DISPLAY"; do
  kill "$game_pid"
  wait "$game_pid" 2>/dev/null
  # shellcheck disable=SC2086 # $session is a variable or a command
  start_game $session
  for _ in $(seq 100); do
    [[ -n $(game_platform) ]] && break
    sleep 0.05
  done
  [[ $(game_platform) == wayland ]] || fail "with $session the game runs on $(game_platform)"
done

echo "gnome: through XWayland with mutter's title bar, no maximise; the pictures centred, unlisted, single, and brought forward unmoved"
