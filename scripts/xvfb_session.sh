#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A virtual X display of its own for a test or a benchmark: sourced, not run.
#
# `start_display DIR [WIDTHxHEIGHT]` starts Xvfb on a display number it
# picks itself, with a 1024x768 screen unless another size is asked for (a
# window at 200 % needs a larger one), exports DISPLAY, and makes DIR (a
# scratch directory of the caller's) the XDG_RUNTIME_DIR, so that nothing
# of the caller's desktop session is seen; it sets xvfb_pid.
# `start_window_manager DIR` then starts openbox on it, a window manager as
# players have one: frames, stacking, focus on click, owned windows kept
# above their owner. `stop_display` ends that Xvfb and window manager and
# only those. Their own messages go to DIR/xvfb.log and DIR/wm.log.

xvfb_pid=
wm_pid=

start_display() {
  local dir=$1 size=${2:-1024x768} _
  rm -f "$dir/display" # a number left from an earlier display in DIR would be read at once
  Xvfb -displayfd 3 -screen 0 "${size}x24" -noreset -nolisten tcp 3>"$dir/display" \
    2>"$dir/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 200); do
    [[ -s $dir/display ]] && break
    sleep 0.05
  done
  if [[ ! -s $dir/display ]]; then
    echo "${0##*/}: Xvfb did not start" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n1 "$dir/display")"
  export XDG_RUNTIME_DIR=$dir
}

# Waits up to 10 s for the root window property $1 to be set.
root_property_set() {
  local _
  for _ in $(seq 200); do
    xprop -root "$1" 2>/dev/null | grep -q ' = ' && return 0
    sleep 0.05
  done
  return 1
}

# Openbox names itself on the root window and names its theme well before
# it has finished starting, and a window that maps in between is left
# without the focus. A reconfigure request is read only by its event loop,
# which runs once start-up is over, and it names the theme again: so the
# window manager is up when a theme name removed after start-up is back.
start_window_manager() {
  local dir=$1
  openbox --sm-disable >"$dir/wm.log" 2>&1 &
  wm_pid=$!
  if root_property_set _OB_THEME && xprop -root -remove _OB_THEME &&
    openbox --reconfigure >>"$dir/wm.log" 2>&1 && root_property_set _OB_THEME; then
    return 0
  fi
  echo "${0##*/}: the window manager did not start" >&2
  exit 1
}

# The client windows from the bottom of the stack to the top, as the
# window manager keeps them.
stacking_order() {
  xprop -root _NET_CLIENT_LIST_STACKING | grep -oE '0x[0-9a-f]+' | while read -r id; do
    echo $((id))
  done
}

stop_display() {
  [[ -z $wm_pid ]] || kill "$wm_pid" 2>/dev/null || true
  [[ -z $xvfb_pid ]] || kill "$xvfb_pid" 2>/dev/null || true
  wm_pid=
  xvfb_pid=
}
