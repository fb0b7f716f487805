// SPDX-License-Identifier: GPL-3.0-or-later
#include "Game.h"

#include "Busy.h"
#include "Levels.h"
#include "RandomSource.h"
#include "WindowOps.h"

namespace stackfall {

void Game::setCell(int cell, Cell state) {
    state_.cells(cell) = state;
    window_.setCellFill(cell, fillOf(state));
}

void Game::load() {
    if (!accepting()) {
        return;
    }
    Busy busy(busy_);
    random_.reseedFromClock();
    state_.paused = false;
    state_.gameOver = true;
    for (int i = 0; i < field::BorderSegments; ++i) {
        window_.setBorderFill(i, colour::Border);
    }
    for (int cell = 1; cell <= field::CellCount; ++cell) {
        window_.setCellOutline(cell, colour::CellOutline);
    }
    window_.setGravityPeriod(levels::level(state_.level).gravityPeriod);
}

} // namespace stackfall
