// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace stackfall::testing::screen {

// The colours a player sees in the main window, as the tests sample them.
inline const QColor White(255, 255, 255);
inline const QColor Black(0, 0, 0);
inline const QColor Grey(192, 192, 192);
inline const QColor DarkGrey(64, 64, 64);
inline const QColor DarkBlue(0, 0, 192);
inline const QColor Blue(0, 0, 255);
inline const QColor Navy(0, 0, 128);
inline const QColor Green(0, 255, 0);

} // namespace stackfall::testing::screen
