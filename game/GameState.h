#pragma once

#include "Cell.h"
#include "Field.h"
#include "IndexedArray.h"

#include <cstdint>

namespace stackfall {

// Everything the main window knows about the game, under the names the game
// has always used, indexed as it always was: cells from 1, slots from 1,
// types from 1, levels from 1.
struct GameState {
    bool paused = false;
    bool gameOver = true;
    IndexedArray<Cell, 1, field::CellCount> cells{};
    std::int64_t score = 0;
    int level = 1;
    std::int64_t hours = 0;
    int minutes = 0;
    std::int16_t seconds = 0;
    IndexedArray<int, 1, field::Slots> pieceCells{};
    int pivotSlot = 0;
    int nextType = 0;
    int currentType = 0;
};

} // namespace stackfall
