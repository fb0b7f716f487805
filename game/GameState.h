#pragma once

#include "CellState.h"
#include "Field.h"
#include "IndexedArray.h"

#include <cstdint>

namespace stackfall {

// Everything the main window knows about the game, under the names the game
// has always used, indexed as it always was: cells from 1, slots from 1,
// types from 1, levels from 1.
struct GameState {
    bool Paused = false;
    bool GameOver = true;
    IndexedArray<int, 1, 3> LevelInterval{};
    IndexedArray<Cell, 1, field::CellCount> CellState{};
    std::int64_t Score = 0;
    int Level = 1;
    std::int64_t Hours = 0;
    int Minutes = 0;
    std::int16_t Seconds = 0;
    IndexedArray<int, 1, field::Slots> PieceCells{};
    IndexedArray<int, 1, 9> PivotSlot{};
    int CurrentPivot = 0;
    int NextType = 0;
    IndexedArray<IndexedArray<int, 1, field::Slots>, 1, 9> PieceShapes{};
    int CurrentType = 0;
};

} // namespace stackfall
