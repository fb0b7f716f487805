// SPDX-License-Identifier: GPL-3.0-or-later
#include "Busy.h"
#include "Game.h"
#include "PieceTable.h"
#include "WindowOps.h"

#include <array>
#include <cstdlib>

namespace stackfall {

void Game::keyDown(GameKey key) {
    if (!accepting() || state_.gameOver) {
        return;
    }
    Busy busy(busy_);
    if (key == GameKey::Pause) {
        togglePause();
    }
    if (state_.paused) {
        return;
    }
    switch (key) {
    case GameKey::Left:
        moveSideways(-1);
        break;
    case GameKey::Right:
        moveSideways(+1);
        break;
    case GameKey::Down:
        gravityStep();
        break;
    case GameKey::Turn:
        turn();
        break;
    case GameKey::Pause:
        break;
    }
}

void Game::togglePause() {
    if (!state_.paused) {
        state_.paused = true;
        window_.setTimerEnabled(Timer::Gravity, false);
        window_.setPauseVisible(true);
    } else {
        state_.paused = false;
        window_.setPauseVisible(false);
        window_.setTimerEnabled(Timer::Gravity, true);
    }
}

void Game::moveSideways(int step) {
    for (int slot = 1; slot <= field::Slots; ++slot) {
        const int cell = state_.pieceCells(slot);
        if (cell == 0) {
            continue;
        }
        // The wall test comes first, so cell + step is inside the field.
        const int column = field::columnOf(cell);
        if ((step > 0 && column == field::Columns) || (step < 0 && column == 1) ||
            state_.cells(cell + step) == Cell::Settled) {
            return;
        }
    }
    shiftPiece(step);
}

void Game::turn() {
    switch (state_.currentType) {
    case pieces::Line:
        turnLine();
        break;
    case pieces::Square:
    case pieces::Single:
        window_.playSound(Sound::Turn);
        break;
    default:
        if (state_.pivotSlot != 0) {
            turnAboutPivot();
        }
        break;
    }
}

void Game::turnAboutPivot() {
    const int pivot = state_.pieceCells(state_.pivotSlot);
    if (pivot == 0) {
        return;
    }
    // A pivot on the border would put part of the 3x3 square outside the
    // field: such a turn is refused, never pushed away from the wall.
    const int column = field::columnOf(pivot);
    if (column == 1 || column == field::Columns || pivot <= field::Columns ||
        pivot >= field::FirstBottomCell - 1) {
        return;
    }
    IndexedArray<int, 1, 9> around;
    int k = 1;
    for (const int rowStart : {pivot - 14, pivot - 1, pivot + 12}) {
        for (int i = 0; i < 3; ++i) {
            around(k++) = rowStart + i;
        }
    }
    // Walking the square's columns right to left, each top to bottom, gives
    // the cell that the block at each position moves to: a clockwise turn.
    constexpr std::array<int, 9> source{3, 6, 9, 2, 5, 8, 1, 4, 7};
    IndexedArray<int, 1, 9> turned;
    for (k = 1; k <= 9; ++k) {
        turned(k) = around(source[static_cast<std::size_t>(k - 1)]);
    }
    for (k = 1; k <= 9; ++k) {
        if (state_.cells(around(k)) == Cell::Falling && state_.cells(turned(k)) == Cell::Settled) {
            return;
        }
    }
    IndexedArray<int, 1, field::Slots> moved{};
    for (k = 1; k <= 9; ++k) {
        for (int slot = 1; slot <= field::Slots; ++slot) {
            if (state_.pieceCells(slot) == around(k)) {
                setCell(around(k), Cell::Empty);
                moved(slot) = turned(k);
                state_.pieceCells(slot) = 0; // so that no block moves twice
            }
        }
    }
    for (int slot = 1; slot <= field::Slots; ++slot) {
        state_.pieceCells(slot) = moved(slot);
        if (moved(slot) != 0) {
            setCell(moved(slot), Cell::Falling);
        }
    }
    window_.playSound(Sound::Turn);
}

void Game::turnLine() {
    // The line keeps its blocks in ascending cell order in slots 1 to 4.
    auto& cells = state_.pieceCells;
    const bool flat = std::abs(cells(1) - cells(2)) == 1 && std::abs(cells(4) - cells(3)) == 1;
    const bool upright = std::abs(cells(1) - cells(2)) == field::Columns &&
                         std::abs(cells(4) - cells(3)) == field::Columns;

    auto moveTo = [&](int first, int stride) {
        for (int slot = 1; slot <= field::Slots; ++slot) {
            setCell(cells(slot), Cell::Empty);
            cells(slot) = first + stride * (slot - 1);
        }
        for (int slot = 1; slot <= field::Slots; ++slot) {
            setCell(cells(slot), Cell::Falling);
        }
    };

    if (flat) {
        // Upright, it takes one row above the flat row and two below it.
        for (int slot = 1; slot <= field::Slots; ++slot) {
            const int cell = cells(slot);
            if (field::inTopRow(cell) || cell >= field::firstCellOfRow(field::Rows - 1)) {
                return;
            }
        }
        auto columnFree = [&](int top) {
            for (int i = 0; i < 4; ++i) {
                if (state_.cells(top + i * field::Columns) == Cell::Settled) {
                    return false;
                }
            }
            return true;
        };
        const int top2 = cells(2) - field::Columns;
        const int top3 = cells(3) - field::Columns;
        if (columnFree(top2)) {
            moveTo(top2, field::Columns);
        } else if (columnFree(top3)) {
            moveTo(top3, field::Columns);
        }
    } else if (upright) {
        // Flat, it lies in the row of slot 2, two columns left of the upright
        // column to one right of it.
        for (int slot = 1; slot <= field::Slots; ++slot) {
            const int column = field::columnOf(cells(slot));
            if (column <= 2 || column == field::Columns) {
                return;
            }
        }
        const int q = cells(2);
        for (int cell = q - 2; cell <= q + 1; ++cell) {
            if (state_.cells(cell) == Cell::Settled) {
                return;
            }
        }
        moveTo(q - 2, 1);
    }
    window_.playSound(Sound::Turn);
}

} // namespace stackfall
