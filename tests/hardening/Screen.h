// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <string>

class QWidget;

namespace stackfall {

class MainWindow;
struct GameState;

namespace hardening {

// The window as the platform shows it: pending repaints are carried out,
// then the platform's copy of the window is read back. A window that forgot
// to repaint a control shows the stale picture here, as it would on screen.
[[nodiscard]] QImage shownImage(QWidget& window);

// Compares the main window with the rules' state: the colour at the centre
// of every playfield and preview cell, the pause banner, the score and level
// captions and the two timers; and checks that exactly the falling piece's
// cells hold 2. Empty when all agree, else what differs.
[[nodiscard]] std::string mismatch(const QImage& shown, const MainWindow& mainWindow,
                                   const GameState& state);

} // namespace hardening
} // namespace stackfall
