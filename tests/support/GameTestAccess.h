// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Game.h"

#include <array>
#include <string>
#include <string_view>

namespace stackfall {

// Lets the tests set up a board and call the rules' private steps directly.
class GameTestAccess {
public:
    static GameState& state(Game& game) { return game.state_; }

    // Sets the whole field from a picture of 23 rows of 13 characters ('.'
    // empty, '#' settled, 'o' falling; blanks and newlines are skipped),
    // painting every cell as the rules would.
    static void setBoard(Game& game, std::string_view picture);
    static void setCell(Game& game, int cell, Cell state) { game.setCell(cell, state); }

    // Puts a falling piece of a type on the given cells (0 for unused slots).
    static void placePiece(Game& game, int type, std::array<int, 4> cells);

    static void gravityStep(Game& game) { game.gravityStep(); }
    static void shiftPiece(Game& game, int step) { game.shiftPiece(step); }
    static void clearFullRows(Game& game) { game.clearFullRows(); }
    static void spawnPiece(Game& game) { game.spawnPiece(); }
};

namespace testing {

// The field as 23 lines of 13 characters: '.' empty, '#' settled, 'o' falling.
[[nodiscard]] std::string boardPicture(const GameState& state);

} // namespace testing
} // namespace stackfall
