// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Layout.h"
#include "Palette.h"

#include <string_view>

// The texts on the main window and the faces they are drawn in. Sizes are in
// points on a 96-dpi screen; "MS Sans Serif" is asked for first and any
// sans-serif face stands in for it.
namespace stackfall::captions {

inline constexpr std::string_view FaceName = "MS Sans Serif";

struct Caption {
    std::string_view text; // as the window opens
    double points;
    bool bold;
    Rgb colour;
    // Where it sits. A label sized to its text keeps the top left corner;
    // the size is that of the designed caption in the designed face, the
    // width a stand-in face must keep to.
    Rect rect;
};

// A stand-in face that runs wider than the designed one is narrowed to keep
// a caption in its designed width, down to this share of its own width at
// most: narrower glyphs would no longer read.
inline constexpr int NarrowestPercent = 50;

// A caption too wide for its label, as a long score, is drawn smaller, and
// keeps clear of the label's outermost columns, where the last glyph's edge
// would otherwise be cut by a pixel.
inline constexpr int ShrunkMargin = 1;

// Pixels of a face given in points on a 96-dpi screen.
[[nodiscard]] constexpr int pixelSize(double points) {
    return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

// Drawn on the window and never changed.
inline constexpr Caption ScoreCaption{"Score", 13.5, true, palette::Navy, layout::ScoreCaption};
inline constexpr Caption NextCaption{"Next ", 9.75, true, palette::Navy, layout::NextCaption};
inline constexpr Caption PauseHint{"F3 pause", 8, false, palette::Black, layout::PauseHint};
inline constexpr Caption LevelCaption{"Level", 9.75, true, palette::Navy, layout::LevelCaption};

// The texts the rules change. The level name is centred in its rectangle;
// the score is centred in the score panel, the clock sized to its text in
// the clock panel.
inline constexpr Caption LevelText{"Easy", 12, true, palette::Navy, layout::LevelText};
inline constexpr Caption ScoreText{"00", 24, true, palette::ScoreGreen, layout::ScoreText};
inline constexpr Caption ClockText{"00:00", 12, true, palette::Navy, layout::ClockText};

// The focus keeper's text; nobody sees it.
inline constexpr std::string_view FocusKeeperText = "Text1";

} // namespace stackfall::captions
