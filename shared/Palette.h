// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colour.h"

// The colours of the main window's own design. The colours that the rules set
// (cells, border, preview) reach the window through the window operations.
namespace stackfall::palette {

inline constexpr Rgb WindowGrey = rgb(192, 192, 192);    // the window's face
inline constexpr Rgb Navy = rgb(0, 0, 128);              // captions, level name, preview frame
inline constexpr Rgb Black = rgb(0, 0, 0);               // outlines, the score panel
inline constexpr Rgb White = rgb(255, 255, 255);         // empty squares, the level frame
inline constexpr Rgb DarkGrey = rgb(64, 64, 64);         // the field's shadow
inline constexpr Rgb MidGrey = rgb(128, 128, 128);       // the score frame, the clock panel
inline constexpr Rgb ScoreGreen = rgb(0, 255, 0);        // the score
inline constexpr Rgb CellOutlineAtOpen = rgb(0, 0, 255); // until the load step repaints it

} // namespace stackfall::palette
