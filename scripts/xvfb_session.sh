#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A virtual X display of its own for a test or a benchmark: sourced, not run.
#
# `start_display DIR` starts Xvfb on a display number it picks itself,
# exports DISPLAY, and makes DIR (a scratch directory of the caller's) the
# XDG_RUNTIME_DIR, so that nothing of the caller's desktop session is seen;
# it sets xvfb_pid. `stop_display` ends that Xvfb and only that one.
# Xvfb's own messages go to DIR/xvfb.log.

xvfb_pid=

start_display() {
  local dir=$1 _
  Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$dir/display" \
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

stop_display() {
  [[ -z $xvfb_pid ]] || kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
}
