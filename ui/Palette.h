// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The colours of the main window's own design. The colours that the rules set
// (cells, border, preview) reach the window through the window operations.
namespace stackfall::palette {

inline constexpr QColor WindowGrey{192, 192, 192};      // the window's face
inline constexpr QColor Navy{0, 0, 128};                // captions, level name, preview frame
inline constexpr QColor Black{0, 0, 0};                 // outlines, the score panel
inline constexpr QColor White{255, 255, 255};           // empty squares, the level frame
inline constexpr QColor DarkGrey{64, 64, 64};           // the field's shadow
inline constexpr QColor MidGrey{128, 128, 128};         // the score frame, the clock panel
inline constexpr QColor ScoreGreen{0, 255, 0};          // the score
inline constexpr QColor DesignedCellOutline{0, 0, 255}; // before the load step repaints it

} // namespace stackfall::palette
