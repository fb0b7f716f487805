// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Field.h"
#include "Rect.h"

// Where everything on the main window sits, in logical pixels of the client
// area. The window was designed in twips at 15 to the pixel; these are the
// same rectangles divided by 15.
namespace stackfall::layout {

inline constexpr Size ClientSize{485, 424};

// Cells, preview cells and border squares are 17-px squares on a 16-px pitch,
// so neighbours overlap by one pixel and share their outline.
inline constexpr int SquareSide = 17;
inline constexpr int SquarePitch = 16;

// The preview is a 4-by-3 grid.
inline constexpr int PreviewColumns = 4;

// Cell n, 1 to 299, row by row from the top left.
[[nodiscard]] constexpr Rect cellRect(int n) {
    const int c = field::columnOf(n) - 1;
    const int r = field::rowOf(n) - 1;
    return {24 + SquarePitch * c, 24 + SquarePitch * r, SquareSide, SquareSide};
}

// Preview cell i, 1 to 12: a 4-by-3 grid, row by row.
[[nodiscard]] constexpr Rect previewRect(int i) {
    const int c = (i - 1) % PreviewColumns;
    const int r = (i - 1) / PreviewColumns;
    return {304 + SquarePitch * c, 56 + SquarePitch * r, SquareSide, SquareSide};
}

// Border segment i, 0 to 75, on a 15-by-25 ring around the cells: the left
// column top to bottom, the right column top to bottom, then the top and the
// bottom rows, each from right to left. The corners are 46, 60, 61 and 75.
[[nodiscard]] constexpr Rect ringRect(int i) {
    int gc = 0;
    int gr = 0;
    if (i <= 22) {
        gr = i + 1;
    } else if (i <= 45) {
        gc = 14;
        gr = i - 22;
    } else if (i <= 60) {
        gc = 60 - i;
    } else {
        gr = 24;
        gc = 75 - i;
    }
    return {8 + SquarePitch * gc, 8 + SquarePitch * gr, SquareSide, SquareSide};
}

// Child controls.
inline constexpr Rect FocusKeeper{488, 368, 10, 19}; // right of the client area: never seen
inline constexpr Rect LevelBar{456, 120, 17, 25};
inline constexpr Rect ScorePanel{392, 48, 81, 41};
inline constexpr Rect ScoreText{0, 0, 79, 37}; // inside the score panel
inline constexpr Rect ClockPanel{264, 392, 217, 25};
// Labels sized to their text keep the top left corner; the size is that of
// the designed caption in the designed face, the width a stand-in face must
// keep to.
inline constexpr Rect ClockText{84, 0, 47, 20}; // inside the clock panel

// Surface graphics.
inline constexpr Rect PauseHint{440, 0, 44, 13}; // sized to their text
inline constexpr Rect LevelCaption{384, 104, 39, 16};
inline constexpr Rect NextCaption{296, 32, 36, 16};
inline constexpr Rect ScoreCaption{400, 16, 56, 24};
inline constexpr Rect LevelText{392, 120, 56, 20};
inline constexpr Rect LevelFrame{384, 120, 73, 25};
inline constexpr Rect PreviewFrame{296, 48, 81, 65};
inline constexpr Rect ScoreFrame{384, 40, 97, 57};
inline constexpr Rect FieldShadow{24, 24, 233, 393};
inline constexpr Rect PauseBanner{64, 40, 130, 70};
inline constexpr Rect SidePanel{264, 0, 215, 391};
inline constexpr Rect StartButton{280, 192, 100, 50};
inline constexpr Rect AboutButton{280, 248, 100, 50};
inline constexpr Rect ExitButton{280, 304, 100, 50};

} // namespace stackfall::layout
