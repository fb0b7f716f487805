#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Named, timed stages for the scripts that set up, build and test: sourced.
# `stage NAME COMMAND...` prints the name, runs the command and prints how
# long it took; when the command fails it says so and ends the script with
# the command's status. `stage_summary` lists every stage's time.

stage_times=()

# Seconds as "1 min 05 s" or "42 s".
stage_duration() {
  local s=$1
  if ((s >= 60)); then
    printf '%d min %02d s' $((s / 60)) $((s % 60))
  else
    printf '%d s' "$s"
  fi
}

stage() {
  local name=$1 start=$SECONDS status=0
  shift
  echo "== $name"
  "$@" || status=$?
  local took
  took=$(stage_duration $((SECONDS - start)))
  if ((status != 0)); then
    echo "== $name: FAILED (status $status) after $took" >&2
    exit "$status"
  fi
  echo "== $name: done in $took"
  stage_times+=("$(printf '%-24s %s' "$name" "$took")")
}

stage_summary() {
  echo "== stages"
  printf '   %s\n' "${stage_times[@]}"
  echo "   total $(stage_duration "$SECONDS")"
}
