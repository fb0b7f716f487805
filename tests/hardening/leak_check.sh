#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program through a whole session on a virtual X display: start, a
# game played to its end, the game-over picture and the about box closed by
# clicks, a second game to its end, and Exit confirmed with both pictures
# open. It must leak nothing: under valgrind (memcheck) no block
# definitely or indirectly lost and no memory error; in the sanitizer build,
# no report from LeakSanitizer. The suppression files name only third-party
# libraries.
# Usage: leak_check.sh valgrind|lsan <stackfall executable> <source dir>
set -uo pipefail

mode=$1
exe=$2
root=$3
here=$(cd "$(dirname "$0")" && pwd)

source "$root/tests/support/real_game.sh"
[[ $mode != valgrind ]] || need valgrind valgrind

case $mode in
valgrind)
  # Forked children (the D-Bus library's launcher) are not the game.
  game=(valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect
    --errors-for-leak-kinds=definite,indirect --child-silent-after-fork=yes
    --suppressions="$here/valgrind.supp" --num-callers=40 --log-file="$work/valgrind.log"
    "$exe")
  patience=120
  ;;
lsan)
  export ASAN_OPTIONS="detect_leaks=1:$ASAN_OPTIONS"
  game=("$exe")
  patience=30
  ;;
*)
  fail "no mode $mode"
  ;;
esac

start_session
main=$(wait_window Stackfall "$patience")
[[ -n $main ]] || fail "the main window did not appear"
# Twice: the first time the picture windows are closed by a click, the
# second time Exit closes them.
for round in 1 2; do
  picture=$(play_to_game_over "$main")
  [[ -n $picture ]] || picture=$(wait_window Form2 "$patience")
  [[ -n $picture ]] || fail "no game-over picture"
  # Centred on the screen, it covers the main window's buttons.
  wait_focus "$picture" "$patience" || fail "the game-over picture did not take the focus"
  xdotool windowraise "$main"
  click_about "$main"
  about=$(wait_window 'About MyApp' "$patience")
  [[ -n $about ]] || fail "no about box"
  # It covers the Exit button.
  wait_focus "$about" "$patience" || fail "the about box did not take the focus"
  if ((round == 1)); then
    xdotool windowraise "$about"
    click "$about" 20 20
    xdotool windowraise "$picture"
    click "$picture" 20 20
    for _ in $(seq $((patience * 10))); do
      window_shown Form2 || window_shown 'About MyApp' || break
      sleep 0.1
    done
    window_shown Form2 || window_shown 'About MyApp' && fail "a click did not close a picture"
  fi
done
xdotool windowraise "$main"
click_exit "$main"
question=$(wait_window "What's up, Zolbert !!" "$patience")
[[ -n $question ]] || fail "no exit question"
wait_focus "$question" "$patience" || fail "the exit question did not take the focus"
xdotool mousemove --window "$question" 20 20 key Return
wait_game_end "$patience" || fail "the program did not end"

case $mode in
valgrind)
  summary=$(grep -E 'definitely lost:|indirectly lost:|possibly lost:|still reachable:|suppressed:|ERROR SUMMARY' \
    "$work/valgrind.log" | sed 's/^==[0-9]*== *//')
  echo "$summary"
  grep -q 'definitely lost: 0 bytes in 0 blocks' "$work/valgrind.log" ||
    grep -q 'All heap blocks were freed' "$work/valgrind.log" || {
    cat "$work/valgrind.log" >&2
    fail "definite leaks"
  }
  grep -q 'ERROR SUMMARY: 0 errors' "$work/valgrind.log" || {
    cat "$work/valgrind.log" >&2
    fail "memory errors or leaks"
  }
  ((game_status == 0)) || fail "the program ended with status $game_status"
  ;;
lsan)
  if ((game_status != 0)) || grep -q 'Sanitizer' "$work/game.err"; then
    cat "$work/game.err" >&2
    fail "the program ended with status $game_status"
  fi
  echo "LeakSanitizer: no leak reported"
  ;;
esac
echo "leak_check: two games, the pictures closed by clicks and by Exit, with no leak"
