# SPDX-License-Identifier: GPL-3.0-or-later
# What the scripts that drive the real game on an X display (Xvfb, or a
# desktop's XWayland) read of its windows: sourced, not run, with DISPLAY
# set. The caller sets `work` (a scratch directory) and `root` (the source
# dir), and defines `fail`.

# Prints the id of the visible window titled exactly $1, waiting up to $2
# seconds (default 10) for it.
wait_window() {
  local title=$1 seconds=${2:-10}
  timeout "$seconds" xdotool search --sync --onlyvisible --name "^$title\$" 2>/dev/null |
    head -n1
}

# Succeeds when a window titled exactly $1 is on screen now.
window_shown() {
  [[ -n $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null) ]]
}

# Waits up to $2 seconds for window $1 to have the keyboard focus. The game
# maps a new window, then raises it and gives it the focus; a slow game
# (valgrind, a loaded machine) can take a while between the two. Until it
# has done all three, the window can still come up over the window that a
# click is meant for, and a key goes to the window that had the focus.
wait_focus() {
  local window=$1 seconds=$2 _
  for _ in $(seq $((seconds * 10))); do
    [[ $(xdotool getwindowfocus 2>/dev/null) == "$window" ]] && return 0
    sleep 0.1
  done
  return 1
}

active_window() {
  xprop -root _NET_ACTIVE_WINDOW | grep -oE '0x[0-9a-f]+' | head -n1
}

# The topmost client window, as the window manager stacks them.
top_window() {
  xprop -root _NET_CLIENT_LIST_STACKING | grep -oE '0x[0-9a-f]+' | tail -n1
}

# "x y width height" of window $1 on the screen.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^  Width/ { w = $NF } /^  Height/ { h = $NF } END { print x, y, w, h }'
}

# Window $1 belongs to no other window, asks to be left out of the taskbar
# and the pager, and is centred on the 1024 x 768 screen.
expect_own_window() {
  local window=$1 state x y w h
  xprop -id "$window" WM_TRANSIENT_FOR | grep -q 'window id' &&
    fail "window $window is tied to $(xprop -id "$window" WM_TRANSIENT_FOR)"
  state=$(xprop -id "$window" _NET_WM_STATE)
  [[ $state == *_NET_WM_STATE_SKIP_TASKBAR* && $state == *_NET_WM_STATE_SKIP_PAGER* ]] ||
    fail "window $window does not skip the taskbar and the pager: $state"
  read -r x y w h <<<"$(geometry "$window")"
  ((x - (1024 - w) / 2 <= 1 && (1024 - w) / 2 - x <= 1 &&
    y - (768 - h) / 2 <= 1 && (768 - h) / 2 - y <= 1)) ||
    fail "window $window (${w}x$h) stands at $x,$y, not centred on the screen"
}

# Within 2 s, the single window titled $1 (id $2) is active and on top, and
# still where geometry $3 says.
expect_forward() {
  local title=$1 window=$2 at=$3 _
  for _ in $(seq 20); do
    if (($(active_window) == window && $(top_window) == window)); then
      (($(xdotool search --onlyvisible --name "^$title\$" | wc -l) == 1)) ||
        fail "more than one window titled $title"
      [[ $(geometry "$window") == "$at" ]] || fail "$title moved from $at to $(geometry "$window")"
      return 0
    fi
    sleep 0.1
  done
  fail "$title is not on top with the focus within 2 s (top $(top_window), active $(active_window))"
}

# Succeeds when main window $1 shows the pause banner over the playfield.
paused() {
  local banner
  banner=$(convert "$root/assets/pictures/pause.png" -format '%[hex:p{10,10}]' info:)
  import -window "$1" "$work/main.png"
  [[ $(convert "$work/main.png" -format '%[hex:p{74,50}]' info:) == "${banner:0:6}"* ]]
}
