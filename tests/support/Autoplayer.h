// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameState.h"

namespace stackfall::testing {

// A plan for the piece now falling: Up presses, then Left (negative) or
// Right (positive) presses, then Down until it lands.
struct Plan {
    int turns = 0;
    int shift = 0;
};

// A simple player for self-play and soak runs: it tries every turn and
// column on a copy of the game and keeps the one that leaves the lowest,
// flattest stack with the fewest holes, counting removed rows highest.
[[nodiscard]] Plan choosePlan(const GameState& state);

} // namespace stackfall::testing
