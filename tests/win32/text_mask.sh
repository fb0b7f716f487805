# SPDX-License-Identifier: GPL-3.0-or-later
# The main window's rectangles that each toolkit draws its own way: sourced,
# not run. Text is drawn by each toolkit's own font engine in the face it
# finds, and the level bar and the clock panel's sunken edge are each
# toolkit's own look. The rectangles are a pixel wider than designed where a
# stand-in face reaches past the design.
#
# `text_mask [DPI]` prints, one argument a line, the `convert` arguments
# that paint them black in a window shown at DPI dots per inch (96, the
# default, at 100 %), each widened to whole pixels.
text_mask() {
  local dpi=${1:-96} x0 y0 x1 y1 _
  printf '%s\n' +antialias -fill black
  # Left, top, right, bottom: the pixels covered at 100 %, inclusive.
  while read -r x0 y0 x1 y1 _; do
    printf '%s\n' -draw "rectangle $((x0 * dpi / 96)),$((y0 * dpi / 96)) \
$((((x1 + 1) * dpi + 95) / 96 - 1)),$((((y1 + 1) * dpi + 95) / 96 - 1))"
  done <<'END'
439 0 484 13 "F3 pause"
399 15 457 40 "Score"
295 31 333 48 "Next "
383 103 424 119 "Level"
392 120 448 140 the level's name
456 120 472 144 the level bar
392 48 472 88 the score
346 394 400 414 the clock
263 391 481 394 the clock panel's edge, top
263 414 481 417 bottom
263 391 266 417 left
478 391 481 417 right
END
}
