#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How late the first sound of a game is: sound_first_play_bench runs afresh each time
# (a loaded library stays loaded), on SDL's silent "dummy" device unless
# SDL_AUDIODRIVER says otherwise, and on a virtual X display unless there is
# a display already; medians at the end.
# Usage: bench/sound/first_sound.sh [sound_first_play_bench executable]   (RUNS=11)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bench=${1:-$root/build/bench/sound/sound_first_play_bench}
runs=${RUNS:-11}
[[ -x $bench ]] || { echo "first_sound: no executable at $bench (build first)" >&2; exit 1; }
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

run=("$bench")
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  source "$root/scripts/need.sh"
  need xvfb xvfb-run
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
