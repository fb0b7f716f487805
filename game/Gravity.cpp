#include "Busy.h"
#include "Game.h"

namespace stackfall {

void Game::Timer1_Timer() {
    if (!accepting() || s_.GameOver) {
        return;
    }
    Busy busy(busy_);
    GravityStep();
}

void Game::GravityStep() {
    bool lands = false;
    for (int slot = 1; slot <= field::Slots && !lands; ++slot) {
        const int cell = s_.PieceCells(slot);
        if (cell == 0) {
            continue;
        }
        // The bottom-row test comes first, so the cell below is always inside.
        lands = field::inBottomRow(cell) || s_.CellState(cell + field::Columns) == Cell::Settled;
    }
    if (!lands) {
        ShiftPiece(field::Columns);
        return;
    }
    SettlePiece();
    ClearFullRows();
    SpawnPiece();
}

void Game::SettlePiece() {
    for (int slot = 1; slot <= field::Slots; ++slot) {
        if (const int cell = s_.PieceCells(slot); cell != 0) {
            setCell(cell, Cell::Settled);
        }
    }
}

void Game::ShiftPiece(int step) {
    // Every old cell is cleared before any new one is marked: the new cell of
    // one block is often the old cell of another.
    for (int slot = 1; slot <= field::Slots; ++slot) {
        if (const int cell = s_.PieceCells(slot); cell != 0) {
            setCell(cell, Cell::Empty);
        }
    }
    for (int slot = 1; slot <= field::Slots; ++slot) {
        if (int& cell = s_.PieceCells(slot); cell != 0) {
            cell += step;
            setCell(cell, Cell::Falling);
        }
    }
}

} // namespace stackfall
