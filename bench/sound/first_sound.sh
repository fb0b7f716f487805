#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How late the first sound of a game is: first_sound runs afresh each time
# (a loaded library stays loaded), on SDL's silent "dummy" device unless
# SDL_AUDIODRIVER says otherwise, and on a virtual X display unless there is
# a display already; medians at the end.
# Usage: bench/sound/first_sound.sh [first_sound executable]   (RUNS=11)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bench=${1:-$root/build/bench/sound/first_sound}
runs=${RUNS:-11}
[[ -x $bench ]] || { echo "first_sound: no executable at $bench (build first)" >&2; exit 1; }
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

run=("$bench")
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  command -v xvfb-run >/dev/null || { echo "first_sound: xvfb-run is missing (scripts/setup.sh)" >&2; exit 1; }
  run=(xvfb-run -a "$bench")
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$scratch}
results=()
for _ in $(seq "$runs"); do
  results+=("$("${run[@]}")")
done
printf '%s\n' "${results[@]}"
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
field() { printf '%s\n' "${results[@]}" | sed -n "s/.*\\b$1=\\([0-9.]*\\).*/\\1/p" | median; }
echo "medians over $runs runs ($SDL_AUDIODRIVER driver):"
echo "  loading the sound module      $(field load_us) us"
echo "  first play (audio up, decode) $(field first_play_us) us"
echo "  next play                     $(field next_play_us) us"
