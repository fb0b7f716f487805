// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeWindow.h"
#include "Game.h"
#include "GameTestAccess.h"
#include "Invariants.h"
#include "Randoms.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace stackfall::testing {

// A field picture from its lowest rows: the rows above are empty.
inline std::string fieldFromBottom(std::initializer_list<std::string_view> rows) {
    std::string picture;
    for (std::size_t i = rows.size(); i < 23; ++i) {
        picture += ".............\n";
    }
    for (const auto row : rows) {
        picture += row;
        picture += '\n';
    }
    return picture;
}

inline const std::string EmptyField = fieldFromBottom({});

// The picture with the given cells drawn as `c`.
inline std::string withCells(std::string picture, const std::vector<int>& cells, char c) {
    std::vector<char> chars(picture.begin(), picture.end());
    for (const int cell : cells) {
        chars.at(static_cast<std::size_t>((cell - 1) / 13 * 14 + (cell - 1) % 13)) = c;
    }
    return {chars.begin(), chars.end()};
}

class GameFixture : public ::testing::Test {
protected:
    // Loads the window and starts a game whose pieces are drawn in this
    // order: the first is the falling piece, the second the preview.
    void start(std::initializer_list<int> types) {
        random = ScriptedRandom::ofTypes(types);
        game.load();
        game.startClicked();
    }
    GameState& state() { return GameTestAccess::state(game); }
    std::string board() const { return boardPicture(game.state()); }
    std::size_t mark() const { return window.calls.size(); }
    void setBoard(std::string_view picture) { GameTestAccess::setBoard(game, picture); }
    void place(int type, std::array<int, 4> cells) {
        GameTestAccess::placePiece(game, type, cells);
    }
    std::array<int, 4> pieceCells() {
        return {state().pieceCells(1), state().pieceCells(2), state().pieceCells(3),
                state().pieceCells(4)};
    }
    void expectInvariants() {
        checker.before(game.state(), window);
        const std::string broken = checker.after(game.state(), window);
        EXPECT_EQ(broken, "");
    }

    FakeWindow window;
    ScriptedRandom random;
    Game game{window, random};
    InvariantChecker checker;
};

} // namespace stackfall::testing
