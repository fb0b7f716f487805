// SPDX-License-Identifier: GPL-3.0-or-later
#include "Game.h"
#include "PieceTable.h"
#include "RandomSource.h"
#include "WindowOps.h"

#include <cmath>

namespace stackfall {

int Game::drawType() {
    random_.reseedFromClock();
    double r = random_.next();
    // A generator that strays outside [0, 1) must not pick a type outside 1..9.
    if (!(r >= 0.0 && r < 1.0)) {
        r = 0.0;
    }
    const int type = static_cast<int>(std::floor(r * pieces::TypeCount)) + 1;
    return type > pieces::TypeCount ? pieces::TypeCount : type;
}

void Game::spawnPiece() {
    for (int slot = 1; slot <= field::Slots; ++slot) {
        const int cell = pieces::entryCell(state_.nextType, slot);
        state_.pieceCells(slot) = cell;
        if (cell != 0 && state_.cells(cell) == Cell::Settled) {
            endGame();
            return;
        }
    }
    for (int slot = 1; slot <= field::Slots; ++slot) {
        if (const int cell = state_.pieceCells(slot); cell != 0) {
            setCell(cell, Cell::Falling);
        }
    }
    state_.currentType = state_.nextType;
    state_.pivotSlot = pieces::pivotSlotOf(state_.nextType);
    state_.nextType = drawType();
    showPreview();
}

void Game::showPreview() {
    for (int cell = 1; cell <= field::PreviewCells; ++cell) {
        window_.setPreviewFill(cell, colour::PreviewUnlit);
    }
    for (int slot = 1; slot <= field::Slots; ++slot) {
        if (const int entry = pieces::entryCell(state_.nextType, slot); entry != 0) {
            window_.setPreviewFill(pieces::previewCellOf(entry), colour::PreviewLit);
        }
    }
}

void Game::endGame() {
    window_.setTimerEnabled(Timer::Gravity, false);
    window_.setTimerEnabled(Timer::Clock, false);
    state_.gameOver = true;
    window_.showWindow(Window::GameOver);
}

} // namespace stackfall
