#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows the Windows program under wine at 150 % and 200 % and holds its
# windows against the Qt build's at the same scale and against the
# pictures' double-size copies.
# Usage: high_dpi.sh <stackfall.exe> <source dir> <Qt stackfall executable>
#                    <send_dpi_change.exe>
# $WINEPREFIX names the tests' wine prefix (scripts/test.sh makes it).
set -euo pipefail

exe=$1
root=$2
qt=$3
dpi_change=$4

source "$root/tests/support/real_game.sh"
source "$root/tests/win32/text_mask.sh"
source "$root/tests/win32/own_prefix.sh"
need wine wine wineserver
need imagemagick import convert compare identify
[[ -x $qt ]] || fail "no Qt program at $qt: build the release preset first"
pictures=$root/assets/pictures

# Wine takes the screen's scale from the user's LogPixels, set in a prefix
# of this test's own, so that the other tests stay at 100 %.
own_prefix

# At 200 % the main window alone is 970x848.
screen_width=2048
screen_height=1536
start_display "$work" "${screen_width}x$screen_height"
wineserver -p >"$work/wineserver.log" 2>&1

checks=0
check() {
  checks=$((checks + 1))
  echo "ok $checks - $*"
}

start_game() {
  "${game[@]}" >"$work/game.out" 2>"$work/game.err" &
  game_pid=$!
}
stop_game() {
  kill "$game_pid"
  wait "$game_pid" 2>/dev/null || true
  game_pid=
}

# A logical pixel's edge on the screen at $dpi: the game scales edges, not
# sizes, each rounded half up.
px() {
  echo $((($1 * dpi + 48) / 96))
}
# The screen's rectangle of logical x y width height, as ImageMagick's
# geometry.
geometry() {
  local left top
  left=$(px "$1")
  top=$(px "$2")
  echo "$(($(px $(($1 + $3))) - left))x$(($(px $(($2 + $4))) - top))+$left+$top"
}
differing() {
  compare -metric AE "$1" "$2" null: 2>&1 || true
}
error() {
  compare -metric RMSE "$1" "$2" null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true
}

# $1, a crop of a window, must come from the double-size copy: nearer to it
# reduced to the crop's size (by the root mean square of the differences)
# than to the normal copy enlarged. $2 and $3 are those two, $4 names the
# picture.
sharp_not_enlarged() {
  local sharp blurred
  sharp=$(error "$1" "$2")
  blurred=$(error "$1" "$3")
  echo "$4 at $percent %: $sharp from the double-size copy, $blurred from the normal one"
  awk -v s="$sharp" -v b="$blurred" 'BEGIN { exit !(s < b) }' ||
    fail "$4 at $percent % is drawn from the normal copy enlarged, not the double-size one"
}

# The side panel's lower part, with the three buttons drawn over it, as
# drawn from the pictures of the suffix $1 ("@2x" or none) at $dpi: each
# picture resized to the rectangle its edges scale to.
panel_from() {
  local suffix=$1 out=$2 button y args=()
  for button in start:192 about:248 exit:304; do
    y=${button#*:}
    args+=(\( "$pictures/${button%:*}$suffix.png" -resize "$(geometry 280 "$y" 100 50 | cut -d+ -f1)!" \)
      -geometry "+$(($(px 280) - $(px 264)))+$(px "$y")" -composite)
  done
  convert "$pictures/panel$suffix.png" -resize "$(geometry 264 0 215 391 | cut -d+ -f1)!" \
    "${args[@]}" -crop "$(geometry 0 150 215 241)" +repage "$out"
}

# The picture window titled $1, just asked for, showing picture $2: designed
# $3 x $4 around its picture of $5 x $6. A click in its corner closes it.
picture_window() {
  local title=$1 name=$2 window sharp=$work/$2-$dpi-sharp.png blurred=$work/$2-$dpi-blurred.png
  window=$(wait_window "$title") || fail "no window \"$title\" at $percent %"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [[ $WIDTH == $(px "$3") && $HEIGHT == $(px "$4") &&
    $X == $(((screen_width - WIDTH) / 2)) && $Y == $(((screen_height - HEIGHT) / 2)) ]] ||
    fail "\"$title\" at $percent % is ${WIDTH}x$HEIGHT at $X,$Y, not $(px "$3")x$(px "$4") centred"
  sleep 0.3
  import -window "$window" -crop "$(geometry 0 0 "$5" "$6")" +repage "$work/$name-$dpi.png"
  convert "$pictures/$name@2x.png" -resize "$(px "$5")x$(px "$6")!" "$sharp"
  convert "$pictures/$name.png" -resize "$(px "$5")x$(px "$6")!" "$blurred"
  sharp_not_enlarged "$work/$name-$dpi.png" "$sharp" "$blurred" "$name"
  if ((dpi == 192)); then
    (($(differing "$work/$name-$dpi.png" "$pictures/$name@2x.png") == 0)) ||
      fail "\"$title\" at 200 % does not show $name@2x.png pixel for pixel"
  fi
  click "$window" $((WIDTH - 2)) $((HEIGHT - 2))
  for _ in $(seq 100); do
    window_shown "$title" || break
    sleep 0.1
  done
  window_shown "$title" && fail "a click did not close \"$title\" at $percent %"
  check "\"$title\" at $percent %: $(px "$3")x$(px "$4"), centred, its picture the double-size copy's"
}

for dpi in 144 192; do
  percent=$((dpi * 100 / 96))
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null

  game=(env "QT_SCALE_FACTOR=$((dpi / 96)).$((dpi * 100 / 96 % 100))" "$qt")
  start_game
  window=$(wait_window Stackfall) || fail "the Qt build's window did not appear at $percent %"
  sleep 0.5
  import -window "$window" "$work/qt-$dpi.png"
  stop_game

  game=(wine "$exe")
  start_game
  main=$(wait_window Stackfall 30) || fail "the main window did not appear at $percent %"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  [[ $WIDTH == $(px 485) && $HEIGHT == $(px 424) ]] ||
    fail "the client area at $percent % is ${WIDTH}x$HEIGHT, not $(px 485)x$(px 424)"
  check "the client area at $percent % is ${WIDTH}x$HEIGHT, 485x424 scaled and rounded half up"

  # Shapes: outside the pictures, and the frames drawn over the side panel,
  # as the Qt build paints them at the same scale, to the pixel.
  sleep 0.5
  import -window "$main" "$work/win32-$dpi.png"
  mapfile -t mask < <(text_mask "$dpi")
  for build in qt win32; do
    convert "$work/$build-$dpi.png" "${mask[@]}" "$work/$build-$dpi-text.png"
    convert "$work/$build-$dpi-text.png" -draw "rectangle $(px 264),0 $(($(px 479) - 1)),$(($(px 391) - 1))" \
      -draw "rectangle $(px 64),$(px 40) $(($(px 194) - 1)),$(($(px 110) - 1))" \
      "$work/$build-$dpi-shapes.png"
  done
  outside=$(differing "$work/qt-$dpi-shapes.png" "$work/win32-$dpi-shapes.png")
  frames=0
  for frame in "383 39 99 59" "296 48 81 65" "383 119 75 27"; do
    read -r x y w h <<<"$frame"
    crop=$(geometry "$x" "$y" "$w" "$h")
    frames=$((frames + $(differing "$work/qt-$dpi-text.png[$crop]" "$work/win32-$dpi-text.png[$crop]")))
  done
  echo "pixels differing from the Qt build's at $percent %, outside text: $outside outside the pictures, $frames in the frames"
  ((outside == 0 && frames == 0)) || fail "the shapes at $percent % are not at the Qt build's pixels"
  check "at $percent % the field, ring, shadow, preview and frames are the Qt build's, to the pixel"

  # Pictures: the side panel's lower part with the buttons.
  crop=$(geometry 264 150 215 241)
  convert "$work/win32-$dpi.png" -crop "$crop" +repage "$work/panel-$dpi.png"
  panel_from @2x "$work/panel-$dpi-sharp.png"
  panel_from "" "$work/panel-$dpi-blurred.png"
  sharp_not_enlarged "$work/panel-$dpi.png" "$work/panel-$dpi-sharp.png" "$work/panel-$dpi-blurred.png" \
    "the side panel and buttons"
  if ((dpi == 192)); then
    # At 200 % the double-size copies are shown pixel for pixel: the panel
    # exactly, and the whole window, buttons blended over it, as Qt does.
    convert "$work/panel-$dpi.png" -fill black -draw "rectangle 32,84 231,407" "$work/panel-$dpi-only.png"
    convert "$work/panel-$dpi-sharp.png" -fill black -draw "rectangle 32,84 231,407" "$work/panel-$dpi-expected.png"
    (($(differing "$work/panel-$dpi-only.png" "$work/panel-$dpi-expected.png") == 0)) ||
      fail "the side panel at 200 % is not panel@2x.png pixel for pixel"
    whole=$(differing "$work/qt-$dpi-text.png" "$work/win32-$dpi-text.png")
    ((whole == 0)) || fail "$whole pixels differ from the Qt build's window at 200 %, outside text"
  fi
  check "at $percent % the side panel and buttons are drawn from their double-size copies"

  click "$main" "$(px 330)" "$(px 273)"
  picture_window "About MyApp" credits 354 252 350 250
  if ((dpi == 144)); then
    # Told it is on a screen at 200 % now, the about box takes that scale.
    click "$main" "$(px 330)" "$(px 273)"
    wait_window "About MyApp" >/dev/null || fail "no about box at $percent %"
    wine "$dpi_change" "About MyApp" 192 || fail "the change of scale was not sent"
    echo "after a change of scale from 150 % to 200 %:"
    dpi=192 percent=200
    picture_window "About MyApp" credits 354 252 350 250
    dpi=144 percent=150
  fi

  # Every piece pushed down: the stack soon reaches the top.
  click "$main" "$(px 330)" "$(px 217)"
  xdotool mousemove --window "$main" "$(px 120)" "$(px 200)"
  for _ in $(seq 60); do
    xdotool key --delay 2 Down Down Down Down Down Down Down Down Down Down
    window_shown Form2 && break
  done
  picture_window Form2 gameover 501 339 499 337
  stop_game
done
