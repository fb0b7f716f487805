// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"

#include <set>

namespace stackfall::testing {
namespace {

class ControlsTest : public GameFixture {
protected:
    // Starts a game and puts a piece of `type` on `cells` on an empty field,
    // with `settled` cells of the stack.
    void setUpPiece(int type, std::array<int, 4> cells, const std::vector<int>& settled = {}) {
        start({type, 8, 8});
        setBoard(withCells(EmptyField, settled, '#'));
        place(type, cells);
    }
    // Presses a key and returns the calls it made.
    std::vector<Call> press(GameKey key) {
        const auto before = mark();
        game.keyDown(key);
        return window.since(before);
    }
    std::set<int> cellsOfPiece() {
        std::set<int> cells;
        for (const int c : pieceCells()) {
            if (c != 0) {
                cells.insert(c);
            }
        }
        return cells;
    }
};

TEST_F(ControlsTest, TurnOfTheTAboutItsPivot) {
    setUpPiece(6, {59, 71, 72, 73});
    const std::string start = board();
    const auto calls = press(GameKey::Turn);
    EXPECT_EQ(pieceCells(), (std::array{73, 59, 72, 85}));
    EXPECT_EQ(calls.back(), (Call{Op::PlaySound, 2}));
    expectInvariants();

    // The clockwise order of the square: the knob points right, down, left,
    // and after four turns the same four cells again.
    press(GameKey::Turn);
    EXPECT_EQ(cellsOfPiece(), (std::set{71, 72, 73, 85}));
    press(GameKey::Turn);
    EXPECT_EQ(cellsOfPiece(), (std::set{59, 71, 72, 85}));
    press(GameKey::Turn);
    EXPECT_EQ(cellsOfPiece(), (std::set{59, 71, 72, 73}));
    EXPECT_EQ(board(), start);
    EXPECT_EQ(game.state().pivotSlot, 3);
    EXPECT_EQ(game.state().pieceCells(3), 72);
}

TEST_F(ControlsTest, TurnClearsEveryOldCellBeforeMarkingTheNewOnes) {
    setUpPiece(6, {59, 71, 72, 73});
    const auto calls = press(GameKey::Turn);
    // Around the pivot in reading order: 59, 71, 72, 73 cleared, then the
    // slots marked in slot order.
    const std::vector<Call> expected{
        {Op::CellFill, 59, colour::EmptyCell},
        {Op::CellFill, 71, colour::EmptyCell},
        {Op::CellFill, 72, colour::EmptyCell},
        {Op::CellFill, 73, colour::EmptyCell},
        {Op::CellFill, 73, colour::FallingBlock},
        {Op::CellFill, 59, colour::FallingBlock},
        {Op::CellFill, 72, colour::FallingBlock},
        {Op::CellFill, 85, colour::FallingBlock},
        {Op::PlaySound, 2},
    };
    EXPECT_EQ(calls, expected);
}

TEST_F(ControlsTest, LineTurnsUprightAndBackOneColumnLeft) {
    setUpPiece(7, {32, 33, 34, 35});
    press(GameKey::Turn);
    EXPECT_EQ(pieceCells(), (std::array{20, 33, 46, 59}));
    expectInvariants();
    press(GameKey::Turn);
    EXPECT_EQ(pieceCells(), (std::array{31, 32, 33, 34}));
    expectInvariants();

    setUpPiece(7, {32, 33, 34, 35}, {20});
    const auto calls = press(GameKey::Turn);
    EXPECT_EQ(pieceCells(), (std::array{21, 34, 47, 60}));
    EXPECT_EQ(calls.back(), (Call{Op::PlaySound, 2}));
    // Both candidate columns blocked: it stays flat, and the sound plays.
    setUpPiece(7, {32, 33, 34, 35}, {59, 60});
    const std::string before = board();
    EXPECT_EQ(press(GameKey::Turn), std::vector<Call>{Call(Op::PlaySound, 2)});
    EXPECT_EQ(board(), before);
}

TEST_F(ControlsTest, SoundTwoPlaysExactlyWhenTheTableSaysSo) {
    struct Case {
        const char* what;
        int type;
        std::array<int, 4> cells;
        std::vector<int> settled;
        bool turns;
        bool sound;
    };
    const std::vector<Case> cases{
        {"general turn done", 6, {59, 71, 72, 73}, {}, true, true},
        {"hook turn done", 3, {59, 72, 73, 74}, {}, true, true},
        {"corner turn at its entry", 9, {7, 20, 21, 0}, {}, true, true},
        {"pivot in column 1", 6, {53, 67, 66, 79}, {}, false, false},
        {"pivot in column 13", 6, {65, 77, 78, 91}, {}, false, false},
        {"pivot in the top row", 6, {20, 6, 7, 8}, {}, false, false},
        {"pivot in the bottom row", 6, {280, 292, 293, 294}, {}, false, false},
        {"collision with the stack", 6, {59, 71, 72, 73}, {85}, false, false},
        {"the square", 5, {59, 60, 72, 73}, {}, false, true},
        {"the single block", 8, {59, 0, 0, 0}, {}, false, true},
        {"flat line in row 1", 7, {6, 7, 8, 9}, {}, false, false},
        {"flat line in row 22", 7, {279, 280, 281, 282}, {}, false, false},
        {"flat line in row 23", 7, {292, 293, 294, 295}, {}, false, false},
        {"flat line turned", 7, {32, 33, 34, 35}, {}, true, true},
        {"flat line blocked", 7, {32, 33, 34, 35}, {59, 60}, false, true},
        {"upright line in column 1", 7, {27, 40, 53, 66}, {}, false, false},
        {"upright line in column 2", 7, {28, 41, 54, 67}, {}, false, false},
        {"upright line in column 13", 7, {39, 52, 65, 78}, {}, false, false},
        {"upright line onto the stack", 7, {20, 33, 46, 59}, {31}, false, false},
        {"upright line turned", 7, {20, 33, 46, 59}, {}, true, true},
    };
    for (const auto& c : cases) {
        setUpPiece(c.type, c.cells, c.settled);
        const std::string before = board();
        const auto calls = press(GameKey::Turn);
        const bool sounded = !calls.empty() && calls.back() == Call(Op::PlaySound, 2);
        EXPECT_EQ(sounded, c.sound) << c.what;
        EXPECT_EQ(board() != before, c.turns) << c.what;
        if (!c.turns) {
            EXPECT_EQ(window.count(Op::CellFill, mark() - calls.size()), 0u) << c.what;
        }
        expectInvariants();
    }
}

TEST_F(ControlsTest, RefusedSidewaysMovesChangeNothing) {
    struct Case {
        const char* what;
        std::array<int, 4> cells;
        std::vector<int> settled;
        GameKey key;
    };
    const std::vector<Case> cases{
        {"left wall", {41, 53, 54, 55}, {}, GameKey::Left},
        {"right wall", {51, 63, 64, 65}, {}, GameKey::Right},
        {"settled on the left", {59, 71, 72, 73}, {70}, GameKey::Left},
        {"settled on the right", {59, 71, 72, 73}, {60}, GameKey::Right},
    };
    for (const auto& c : cases) {
        setUpPiece(6, c.cells, c.settled);
        const std::string before = board();
        EXPECT_TRUE(press(c.key).empty()) << c.what;
        EXPECT_EQ(board(), before) << c.what;
    }
    // Cells 13 and 14 are not neighbours: a piece at the right wall of row 1
    // does not wrap into row 2, nor one at the left wall of row 2 into row 1.
    setUpPiece(8, {13, 0, 0, 0});
    EXPECT_TRUE(press(GameKey::Right).empty());
    setUpPiece(8, {14, 0, 0, 0});
    EXPECT_TRUE(press(GameKey::Left).empty());
}

TEST_F(ControlsTest, ArrowsMoveOneColumnAndNoOtherKeyActs) {
    setUpPiece(6, {59, 71, 72, 73});
    for (int i = 0; i < 3; ++i) {
        press(GameKey::Left);
        EXPECT_EQ(pieceCells(), (std::array{58, 70, 71, 72})) << i;
        press(GameKey::Right);
        EXPECT_EQ(pieceCells(), (std::array{59, 71, 72, 73})) << i;
    }
    // A key value outside the five does nothing at all.
    for (const int other : {5, 13, 65, 114, -1, 32767}) {
        EXPECT_TRUE(press(static_cast<GameKey>(other)).empty()) << other;
    }
}

TEST_F(ControlsTest, DownMovesOneRowOrSettlesAtOnce) {
    setUpPiece(6, {59, 71, 72, 73});
    press(GameKey::Down);
    EXPECT_EQ(pieceCells(), (std::array{72, 84, 85, 86}));

    setUpPiece(6, {280, 292, 293, 294});
    const auto calls = press(GameKey::Down);
    for (const int cell : {280, 292, 293, 294}) {
        EXPECT_EQ(game.state().cells(cell), Cell::Settled);
    }
    EXPECT_EQ(pieceCells(), (std::array{7, 0, 0, 0}));
    // The soft drop plays the landing's sound only and leaves the timer be.
    EXPECT_EQ(window.soundsSince(mark() - calls.size()), std::vector<int>{1});
    EXPECT_EQ(window.count(Op::TimerEnabled, mark() - calls.size()), 0u);
}

TEST_F(ControlsTest, EachKeyActsOnce) {
    setUpPiece(6, {59, 71, 72, 73});
    press(GameKey::Left);
    EXPECT_EQ(pieceCells(), (std::array{58, 70, 71, 72}));
    press(GameKey::Turn);
    EXPECT_EQ(cellsOfPiece(), (std::set{58, 71, 72, 84}));
    press(GameKey::Pause);
    EXPECT_TRUE(game.state().paused);
    press(GameKey::Pause);
    EXPECT_FALSE(game.state().paused);
}

TEST_F(ControlsTest, PauseStopsGravityAndTheArrowsButNotTheClock) {
    setUpPiece(6, {59, 71, 72, 73});
    auto calls = press(GameKey::Pause);
    EXPECT_EQ(calls, (std::vector<Call>{{Op::TimerEnabled, static_cast<int>(Timer::Gravity), 0},
                                        {Op::PauseVisible, 0, 1}}));
    EXPECT_TRUE(game.state().paused);
    const std::string paused = board();
    for (const auto k : {GameKey::Left, GameKey::Right, GameKey::Turn, GameKey::Down}) {
        EXPECT_TRUE(press(k).empty());
    }
    EXPECT_EQ(board(), paused);
    game.clockTick();
    EXPECT_EQ(window.timeText, "00:00:01");
    expectInvariants();

    calls = press(GameKey::Pause);
    EXPECT_EQ(calls, (std::vector<Call>{{Op::PauseVisible, 0, 0},
                                        {Op::TimerEnabled, static_cast<int>(Timer::Gravity), 1}}));
    EXPECT_FALSE(game.state().paused);
    press(GameKey::Left);
    EXPECT_EQ(pieceCells(), (std::array{58, 70, 71, 72}));
    expectInvariants();
}

TEST_F(ControlsTest, PauseKeyDoesNothingWithoutAGame) {
    game.load();
    EXPECT_TRUE(press(GameKey::Pause).empty());
    EXPECT_FALSE(game.state().paused);

    // After game over too.
    setUpPiece(8, {7, 0, 0, 0}, {20, 6});
    game.gravityTick();
    ASSERT_TRUE(game.state().gameOver);
    EXPECT_TRUE(press(GameKey::Pause).empty());
    EXPECT_FALSE(game.state().paused);
    EXPECT_FALSE(window.pauseVisible);
}

} // namespace
} // namespace stackfall::testing
