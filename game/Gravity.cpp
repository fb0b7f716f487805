// SPDX-License-Identifier: GPL-3.0-or-later
#include "Busy.h"
#include "Game.h"

namespace stackfall {

void Game::gravityTick() {
    if (!accepting() || state_.gameOver) {
        return;
    }
    Busy busy(busy_);
    gravityStep();
}

void Game::gravityStep() {
    bool lands = false;
    for (int slot = 1; slot <= field::Slots && !lands; ++slot) {
        const int cell = state_.pieceCells(slot);
        if (cell == 0) {
            continue;
        }
        // The bottom-row test comes first, so the cell below is always inside.
        lands = field::inBottomRow(cell) || state_.cells(cell + field::Columns) == Cell::Settled;
    }
    if (!lands) {
        shiftPiece(field::Columns);
        return;
    }
    settlePiece();
    clearFullRows();
    spawnPiece();
}

void Game::settlePiece() {
    for (int slot = 1; slot <= field::Slots; ++slot) {
        if (const int cell = state_.pieceCells(slot); cell != 0) {
            setCell(cell, Cell::Settled);
        }
    }
}

void Game::shiftPiece(int step) {
    // Every old cell is cleared before any new one is marked: the new cell of
    // one block is often the old cell of another.
    for (int slot = 1; slot <= field::Slots; ++slot) {
        if (const int cell = state_.pieceCells(slot); cell != 0) {
            setCell(cell, Cell::Empty);
        }
    }
    for (int slot = 1; slot <= field::Slots; ++slot) {
        if (int& cell = state_.pieceCells(slot); cell != 0) {
            cell += step;
            setCell(cell, Cell::Falling);
        }
    }
}

} // namespace stackfall
