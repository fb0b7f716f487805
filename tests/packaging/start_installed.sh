#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game from the unpacked package the way its menu entry does, on
# Qt's offscreen platform, with the system's libraries: it has to come up,
# say nothing and keep running until it is stopped.
# Usage: start_installed.sh ROOT
set -euo pipefail
root=$1
entry=$root/usr/share/applications/stackfall.desktop
command=$(sed -n 's/^Exec=//p' "$entry")
program=$root/usr/games/$command
if [[ ! -x $program ]]; then
  echo "the menu entry runs '$command', which the package does not install in /usr/games"
  exit 1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
errors=$scratch/stderr
# A desktop session provides a runtime folder; without one Qt says so.
mkdir -m 0700 "$scratch/runtime"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$scratch/runtime \
  "$program" 2>"$errors" &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  status=0
  wait "$pid" || status=$?
  echo "the game ended within 2 s, with status $status:"
  cat "$errors"
  exit 1
fi
kill "$pid"
wait "$pid" || true
if [[ -s $errors ]]; then
  echo "the game wrote to stderr:"
  cat "$errors"
  exit 1
fi
echo "the menu entry's command $command started and ran until stopped"
