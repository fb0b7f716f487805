// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"

namespace stackfall::testing {
namespace {

using GravityTest = GameFixture;

TEST_F(GravityTest, LineFallsTwentyTwoRowsAndSettlesOnTheNextTick) {
    start({7, 8, 8});
    EXPECT_EQ(pieceCells(), (std::array{6, 7, 8, 9}));
    for (int tick = 1; tick <= 22; ++tick) {
        game.gravityTick();
        expectInvariants();
    }
    EXPECT_EQ(pieceCells(), (std::array{292, 293, 294, 295}));
    EXPECT_EQ(window.cellFill(292), colour::FallingBlock);

    const auto before = mark();
    game.gravityTick();
    for (int cell = 292; cell <= 295; ++cell) {
        EXPECT_EQ(game.state().cells(cell), Cell::Settled);
        EXPECT_EQ(window.cellFill(cell), rgb(0, 0, 192));
    }
    EXPECT_EQ(window.soundsSince(before), std::vector<int>{1});
    // The single block that was in the preview has entered.
    EXPECT_EQ(game.state().currentType, 8);
    EXPECT_EQ(pieceCells(), (std::array{7, 0, 0, 0}));
    EXPECT_EQ(board(), withCells(fieldFromBottom({".....####...."}), {7}, 'o'));
}

TEST_F(GravityTest, StepClearsAllOldCellsBeforeMarkingNewOnes) {
    start({1, 5});
    EXPECT_EQ(pieceCells(), (std::array{7, 8, 19, 20}));
    const auto before = mark();
    game.gravityTick();

    EXPECT_EQ(pieceCells(), (std::array{20, 21, 32, 33}));
    const std::vector<Call> expected{
        {Op::CellFill, 7, colour::EmptyCell},     {Op::CellFill, 8, colour::EmptyCell},
        {Op::CellFill, 19, colour::EmptyCell},    {Op::CellFill, 20, colour::EmptyCell},
        {Op::CellFill, 20, colour::FallingBlock}, {Op::CellFill, 21, colour::FallingBlock},
        {Op::CellFill, 32, colour::FallingBlock}, {Op::CellFill, 33, colour::FallingBlock},
    };
    EXPECT_EQ(window.since(before), expected);
    for (const int cell : {20, 21, 32, 33}) {
        EXPECT_EQ(game.state().cells(cell), Cell::Falling);
    }
    for (const int cell : {7, 8, 19}) {
        EXPECT_EQ(game.state().cells(cell), Cell::Empty);
        EXPECT_EQ(window.cellFill(cell), colour::EmptyCell);
    }
}

TEST_F(GravityTest, OneBlockOverTheStackSettlesThePieceWhereItIs) {
    start({6, 5, 5});
    // A T with its knob up; only its middle block (72) is above the stack (85).
    setBoard(EmptyField);
    GameTestAccess::setCell(game, 85, Cell::Settled);
    place(6, {59, 71, 72, 73});
    const auto before = mark();
    game.gravityTick();

    for (const int cell : {59, 71, 72, 73, 85}) {
        EXPECT_EQ(game.state().cells(cell), Cell::Settled) << cell;
    }
    EXPECT_EQ(window.soundsSince(before), std::vector<int>{1});
    // Settling paints the blocks dark blue where they are; nothing moved.
    for (const auto& call : window.since(before)) {
        if (call.op == Op::CellFill && call.value == colour::EmptyCell) {
            ADD_FAILURE() << "cell " << call.index << " was cleared";
        }
    }
    EXPECT_EQ(pieceCells(), (std::array{7, 8, 20, 21}));
    EXPECT_FALSE(game.state().gameOver);
}

TEST_F(GravityTest, TicksDoNothingWhileNoGameRuns) {
    start({8, 8});
    setBoard(fieldFromBottom({"######.######"}));
    // Stack the single blocks up column 7 until the entry cell is taken.
    int ticks = 0;
    while (!game.state().gameOver && ticks < 1000) {
        game.gravityTick();
        expectInvariants();
        ++ticks;
    }
    ASSERT_TRUE(game.state().gameOver);
    EXPECT_EQ(window.gameOverShown, 1);
    const std::string last = board();
    const auto before = mark();
    for (int i = 0; i < 5; ++i) {
        game.gravityTick();
    }
    EXPECT_EQ(window.since(before).size(), 0u);
    EXPECT_EQ(board(), last);
}

TEST_F(GravityTest, EveryLandingPlaysExactlyOneSound) {
    start({7, 7, 7, 7, 7, 7});
    // Three lines side by side fill columns 1 to 12 of the bottom row; with
    // column 13 settled, the third line completes it.
    setBoard(fieldFromBottom({"............#"}));
    place(7, {6, 7, 8, 9});
    const auto dropLine = [&](int shift) {
        for (int i = 0; i < std::abs(shift); ++i) {
            game.keyDown(shift < 0 ? GameKey::Left : GameKey::Right);
        }
        const auto before = mark();
        while (window.soundsSince(before).empty()) {
            game.gravityTick();
        }
        return window.soundsSince(before);
    };
    EXPECT_EQ(dropLine(-5), std::vector<int>{1});
    EXPECT_EQ(dropLine(-1), std::vector<int>{1});
    EXPECT_EQ(dropLine(+3), std::vector<int>{3});
    EXPECT_EQ(game.state().score, 10);
    expectInvariants();
}

} // namespace
} // namespace stackfall::testing
