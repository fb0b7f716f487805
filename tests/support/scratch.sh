#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How the scripts that drive the real game fail and end: sourced, not run.
# The sourcing script defines stop_session, which ends what it started, and
# sets `work`, its scratch directory.

fail() {
  echo "${0##*/}: FAIL: $*" >&2
  exit 1
}

# For `trap end_session EXIT`: stops the session, and keeps the scratch
# directory with its logs only when the script failed.
end_session() {
  local status=$?
  stop_session
  if ((status == 0)); then
    rm -rf "$work"
  else
    echo "${0##*/}: logs kept in $work" >&2
  fi
}
