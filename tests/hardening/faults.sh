#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Faults of the real program's windows on a virtual X display, one case per
# run: the main window closed while a question is open, or while the
# game-over picture is open, and Exit confirmed while both picture windows
# are open. The program must go on or end exactly as the player expects,
# with exit code 0, and write nothing. With `window-manager` last, the same
# under openbox, which stacks and focuses the windows as players see them.
# Usage: faults.sh <case> <stackfall executable> <send_close helper> <source dir> [window-manager]
set -uo pipefail

case_name=$1
game=("$2")
send_close=$3
root=$4
window_manager=${5:-}

source "$root/tests/support/real_game.sh"
need imagemagick import convert

start_session ${window_manager:+window-manager}
main=$(wait_window Stackfall 30)
[[ -n $main ]] || fail "the main window did not appear"

# The program has ended with status 0 within $1 seconds and said nothing.
expect_clean_end() {
  wait_game_end "$1" || fail "the program did not end"
  ((game_status == 0)) || fail "the program ended with status $game_status"
  [[ ! -s $work/game.err && ! -s $work/game.out ]] || fail "the program wrote: $(cat "$work/game.err")"
}

case $case_name in
close_during_question)
  # A close box is no way round a question: the main window stays with its
  # question, and the game goes on once the question is answered.
  click_start "$main"
  # Further apart than a double-click, which counts as one click.
  sleep 0.6
  click_start "$main"
  question=$(wait_window 'God Warning !!!' 10)
  [[ -n $question ]] || fail "no restart question"
  "$send_close" "$main" || fail "could not ask the main window to close"
  sleep 0.5
  running || fail "the program ended while the question was open"
  window_shown Stackfall || fail "the main window closed under its question"
  window_shown 'God Warning !!!' || fail "the question went away"
  wait_focus "$question" 10 || fail "the restart question did not take the focus"
  xdotool mousemove --window "$question" 20 20 key n # No: a Yes/No box ignores Escape
  sleep 0.3
  window_shown 'God Warning !!!' && fail "the question stayed after No"
  mapfile -t before < <(blue_cells "$main")
  sleep 1.2
  mapfile -t after < <(blue_cells "$main")
  ((${#before[@]} > 0)) || fail "no falling piece after the question"
  [[ "${before[*]}" != "${after[*]}" ]] || fail "the piece stopped falling: ${before[*]}"
  # The same with the exit question, answered OK.
  click_exit "$main"
  question=$(wait_window "What's up, Zolbert !!" 10)
  [[ -n $question ]] || fail "no exit question"
  "$send_close" "$main"
  sleep 0.5
  running || fail "the program ended while the exit question was open"
  window_shown Stackfall || fail "the main window closed under the exit question"
  wait_focus "$question" 10 || fail "the exit question did not take the focus"
  xdotool mousemove --window "$question" 20 20 key Return # OK
  expect_clean_end 10
  echo "faults: closing the main window waits for its question; the game goes on, OK ends it"
  ;;
close_with_game_over_picture)
  picture=$(play_to_game_over "$main")
  [[ -n $picture ]] || fail "no game-over picture"
  "$send_close" "$main"
  sleep 1
  window_shown Stackfall && fail "the main window did not close"
  running || fail "the program ended with the game-over picture still open"
  window_shown Form2 || fail "the game-over picture closed with the main window"
  click "$picture" 40 40
  expect_clean_end 10
  echo "faults: the program lived on with the game-over picture, and ended with its click"
  ;;
exit_with_pictures_open)
  picture=$(play_to_game_over "$main")
  [[ -n $picture ]] || fail "no game-over picture"
  # The pictures open over the main window's buttons, and a window manager
  # keeps them above it: move them aside to reach the buttons, as a player
  # would drag them.
  xdotool windowmove "$picture" 0 0
  click_about "$main"
  about=$(wait_window 'About MyApp' 10)
  [[ -n $about ]] || fail "no about box"
  xdotool windowmove "$about" 0 400
  click_exit "$main"
  question=$(wait_window "What's up, Zolbert !!" 10)
  [[ -n $question ]] || fail "no exit question"
  window_shown Form2 && window_shown 'About MyApp' || fail "a picture window closed too soon"
  wait_focus "$question" 10 || fail "the exit question did not take the focus"
  xdotool mousemove --window "$question" 20 20 key Return # OK
  expect_clean_end 10
  echo "faults: OK on Exit closed the game-over picture, the about box and the game"
  ;;
*)
  fail "no case $case_name"
  ;;
esac
