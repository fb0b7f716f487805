// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Cell.h"
#include "Field.h"
#include "IndexedArray.h"

#include <cstdint>

namespace stackfall {

// Everything the rules know about the game. Indexes count from 1 as the game
// numbers things: cells 1 to 299, slots 1 to 4, piece types 1 to 9, levels
// 1 to 3.
struct GameState {
    bool paused = false;
    bool gameOver = true;
    IndexedArray<Cell, 1, field::CellCount> cells{};
    std::int64_t score = 0;
    int level = 1;
    std::int64_t hours = 0;
    int minutes = 0;
    std::int16_t seconds = 0;
    // The falling piece's cells by slot, 0 for a slot its type does not use,
    // and the slot it turns about (0: it does not turn about a block).
    IndexedArray<int, 1, field::Slots> pieceCells{};
    int pivotSlot = 0;
    int nextType = 0;
    int currentType = 0;
};

} // namespace stackfall
