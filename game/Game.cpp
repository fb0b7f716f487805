#include "Game.h"

#include "Busy.h"
#include "PieceTable.h"
#include "RandomSource.h"
#include "WindowOps.h"

#include <algorithm>

namespace stackfall {

void Game::setCell(int cell, Cell state) {
    s_.cells(cell) = state;
    window_.setCellFill(cell, fillOf(state));
}

void Game::load() {
    if (!accepting()) {
        return;
    }
    Busy busy(busy_);
    random_.reseedFromClock();
    s_.paused = false;
    s_.gameOver = true;
    for (int i = 0; i < field::BorderSegments; ++i) {
        window_.setBorderFill(i, colour::Border);
    }
    for (int cell = 1; cell <= field::CellCount; ++cell) {
        window_.setCellOutline(cell, colour::CellOutline);
    }
    for (int type = 1; type <= pieces::TypeCount; ++type) {
        const auto& shape = pieces::Shapes[static_cast<std::size_t>(type - 1)];
        for (int slot = 1; slot <= field::Slots; ++slot) {
            s_.pieceShapes(type)(slot) = shape[static_cast<std::size_t>(slot - 1)];
        }
        s_.pivotSlots(type) = pieces::Pivots[static_cast<std::size_t>(type - 1)];
    }
    for (int level = 1; level <= pieces::LevelCount; ++level) {
        s_.levelInterval(level) = pieces::LevelIntervals[static_cast<std::size_t>(level - 1)];
    }
    window_.setGravityPeriod(s_.levelInterval(s_.level));
}

} // namespace stackfall
