#include "Game.h"
#include "PieceTable.h"
#include "RandomSource.h"
#include "WindowOps.h"

#include <cmath>

namespace stackfall {

int Game::DrawType() {
    random_.reseedFromClock();
    double r = random_.next();
    // A generator that strays outside [0, 1) must not pick a type outside 1..9.
    if (!(r >= 0.0 && r < 1.0)) {
        r = 0.0;
    }
    const int type = static_cast<int>(std::floor(r * pieces::TypeCount)) + 1;
    return type > pieces::TypeCount ? pieces::TypeCount : type;
}

void Game::SpawnPiece() {
    for (int slot = 1; slot <= field::Slots; ++slot) {
        const int cell = s_.PieceShapes(s_.NextType)(slot);
        s_.PieceCells(slot) = cell;
        if (cell != 0 && s_.CellState(cell) == Cell::Settled) {
            StopGame();
            return;
        }
    }
    for (int slot = 1; slot <= field::Slots; ++slot) {
        if (const int cell = s_.PieceCells(slot); cell != 0) {
            setCell(cell, Cell::Falling);
        }
    }
    s_.CurrentType = s_.NextType;
    s_.CurrentPivot = s_.PivotSlot(s_.NextType);
    s_.NextType = DrawType();
    ShowPreview();
}

void Game::ShowPreview() {
    for (int cell = 1; cell <= field::PreviewCells; ++cell) {
        window_.setPreviewFill(cell, colour::PreviewUnlit);
    }
    for (int slot = 1; slot <= field::Slots; ++slot) {
        if (const int entry = s_.PieceShapes(s_.NextType)(slot); entry != 0) {
            window_.setPreviewFill(pieces::previewCellOf(entry), colour::PreviewLit);
        }
    }
}

void Game::StopGame() {
    window_.setTimerEnabled(Timer::Gravity, false);
    window_.setTimerEnabled(Timer::Clock, false);
    s_.GameOver = true;
    window_.showWindow(Window::GameOver);
}

} // namespace stackfall
