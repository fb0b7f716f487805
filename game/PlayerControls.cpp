#include "Busy.h"
#include "Game.h"
#include "KeyCode.h"
#include "PieceTable.h"
#include "WindowOps.h"

#include <array>
#include <cstdlib>

namespace stackfall {

namespace {

constexpr int SoundTurn = 2;

} // namespace

void Game::Form_KeyDown(std::int16_t keyCode, std::int16_t /*shift*/) {
    if (!accepting() || s_.GameOver) {
        return;
    }
    Busy busy(busy_);
    if (keyCode == key::F3) {
        TogglePause();
    }
    if (s_.Paused) {
        return;
    }
    switch (keyCode) {
    case key::Left:
        MoveSideways(-1);
        break;
    case key::Right:
        MoveSideways(+1);
        break;
    case key::Down:
        GravityStep();
        break;
    case key::Up:
        Turn();
        break;
    default:
        break;
    }
}

// The controls that can hold the focus pass their keys on to the window.
void Game::Picture1_KeyDown(std::int16_t keyCode, std::int16_t shift) {
    Form_KeyDown(keyCode, shift);
}
void Game::Picture2_KeyDown(std::int16_t keyCode, std::int16_t shift) {
    Form_KeyDown(keyCode, shift);
}
void Game::Text1_KeyDown(std::int16_t keyCode, std::int16_t shift) {
    Form_KeyDown(keyCode, shift);
}
void Game::VScroll1_KeyDown(std::int16_t keyCode, std::int16_t shift) {
    Form_KeyDown(keyCode, shift);
}

void Game::TogglePause() {
    if (!s_.Paused) {
        s_.Paused = true;
        window_.setTimerEnabled(Timer::Gravity, false);
        window_.setPauseVisible(true);
    } else {
        s_.Paused = false;
        window_.setPauseVisible(false);
        window_.setTimerEnabled(Timer::Gravity, true);
    }
}

void Game::MoveSideways(int step) {
    for (int slot = 1; slot <= field::Slots; ++slot) {
        const int cell = s_.PieceCells(slot);
        if (cell == 0) {
            continue;
        }
        // The wall test comes first, so cell + step is inside the field.
        const int column = cell % field::Columns;
        if ((step > 0 && column == 0) || (step < 0 && column == 1) ||
            s_.CellState(cell + step) == Cell::Settled) {
            return;
        }
    }
    ShiftPiece(step);
}

void Game::Turn() {
    switch (s_.CurrentType) {
    case pieces::Line:
        TurnLine();
        break;
    case pieces::Square:
    case pieces::Single:
        window_.playSound(SoundTurn);
        break;
    default:
        if (s_.CurrentPivot != 0) {
            TurnAboutPivot();
        }
        break;
    }
}

void Game::TurnAboutPivot() {
    const int pivot = s_.PieceCells(s_.CurrentPivot);
    // A pivot on the border would put part of the 3x3 square outside the
    // field: such a turn is refused, never pushed away from the wall.
    const int column = pivot % field::Columns;
    if (pivot == 0 || column == 0 || column == 1 || pivot <= field::Columns ||
        pivot >= field::FirstBottomCell - 1) {
        return;
    }
    IndexedArray<int, 1, 9> AroundCells;
    int k = 1;
    for (const int rowStart : {pivot - 14, pivot - 1, pivot + 12}) {
        for (int i = 0; i < 3; ++i) {
            AroundCells(k++) = rowStart + i;
        }
    }
    // Walking the square's columns right to left, each top to bottom, gives
    // the cell that the block at each position moves to: a clockwise turn.
    constexpr std::array<int, 9> source{3, 6, 9, 2, 5, 8, 1, 4, 7};
    IndexedArray<int, 1, 9> TurnedCells;
    for (k = 1; k <= 9; ++k) {
        TurnedCells(k) = AroundCells(source[static_cast<std::size_t>(k - 1)]);
    }
    for (k = 1; k <= 9; ++k) {
        if (s_.CellState(AroundCells(k)) == Cell::Falling &&
            s_.CellState(TurnedCells(k)) == Cell::Settled) {
            return;
        }
    }
    IndexedArray<int, 1, field::Slots> NewCells{};
    for (k = 1; k <= 9; ++k) {
        for (int slot = 1; slot <= field::Slots; ++slot) {
            if (s_.PieceCells(slot) == AroundCells(k)) {
                setCell(AroundCells(k), Cell::Empty);
                NewCells(slot) = TurnedCells(k);
                s_.PieceCells(slot) = 0; // so that no block moves twice
            }
        }
    }
    for (int slot = 1; slot <= field::Slots; ++slot) {
        s_.PieceCells(slot) = NewCells(slot);
        if (NewCells(slot) != 0) {
            setCell(NewCells(slot), Cell::Falling);
        }
    }
    window_.playSound(SoundTurn);
}

void Game::TurnLine() {
    // The line keeps its blocks in ascending cell order in slots 1 to 4.
    auto& cells = s_.PieceCells;
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
                if (s_.CellState(top + i * field::Columns) == Cell::Settled) {
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
            const int column = cells(slot) % field::Columns;
            if (column == 0 || column == 1 || column == 2) {
                return;
            }
        }
        const int q = cells(2);
        for (int cell = q - 2; cell <= q + 1; ++cell) {
            if (s_.CellState(cell) == Cell::Settled) {
                return;
            }
        }
        moveTo(q - 2, 1);
    }
    window_.playSound(SoundTurn);
}

} // namespace stackfall
