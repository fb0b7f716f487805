// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Layout.h"
#include "Palette.h"

// The filled and outlined rectangles drawn on the main window. An outline is
// centred on the rectangle's edge: a 1-px one is its outermost ring of
// pixels, a 3-px one reaches one pixel outside and one inside.
namespace stackfall::shapes {

struct Shape {
    Rect rect;
    Rgb fill;
    Rgb outline;
    int outlineWidth;
};

// How far a shape's outline reaches beyond its rectangle.
[[nodiscard]] constexpr Rect bounds(const Shape& s) {
    const int out = s.outlineWidth / 2;
    return {s.rect.x - out, s.rect.y - out, s.rect.width + 2 * out, s.rect.height + 2 * out};
}

inline constexpr Shape FieldShadow{layout::FieldShadow, palette::DarkGrey, palette::Black, 1};
inline constexpr Shape ScoreFrame{layout::ScoreFrame, palette::MidGrey, palette::Black, 3};
inline constexpr Shape PreviewFrame{layout::PreviewFrame, palette::Navy, palette::Black, 1};
inline constexpr Shape LevelFrame{layout::LevelFrame, palette::White, palette::Black, 2};

// The squares as the window opens, before the load step paints the ring and
// the cells' outlines.
struct Square {
    Rgb fill;
    Rgb outline;
};
inline constexpr Square CellAtOpen{palette::White, palette::CellOutlineAtOpen};
inline constexpr Square RingAtOpen{palette::WindowGrey, palette::Black};
inline constexpr Square PreviewAtOpen{palette::White, palette::Black};

} // namespace stackfall::shapes
