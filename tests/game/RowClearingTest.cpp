// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"

namespace stackfall::testing {
namespace {

class RowClearingTest : public GameFixture {
protected:
    // Lands the falling piece (it must rest on the floor or the stack) and
    // returns the calls the landing made.
    std::vector<Call> land() {
        const auto before = mark();
        game.gravityTick();
        return window.since(before);
    }
    static std::vector<std::string> scoreTexts(const std::vector<Call>& calls) {
        std::vector<std::string> texts;
        for (const auto& call : calls) {
            if (call.op == Op::LabelText && call.index == static_cast<int>(Label::Score)) {
                texts.push_back(call.text);
            }
        }
        return texts;
    }
    static std::vector<int> sounds(const std::vector<Call>& calls) {
        std::vector<int> ids;
        for (const auto& call : calls) {
            if (call.op == Op::PlaySound) {
                ids.push_back(call.index);
            }
        }
        return ids;
    }
};

TEST_F(RowClearingTest, TwoFullRowsTogetherDropTheStackByTwo) {
    start({5, 8, 8});
    EXPECT_EQ(window.scoreText, " 0");
    setBoard(fieldFromBottom({
        "#............", // 19
        "##.#.........", // 20
        "#.#.#.#.#.#.#", // 21
        "####oo#######", // 22
        "####oo#######", // 23
    }));
    place(5, {278, 279, 291, 292});
    const auto calls = land();

    // Rows 21, 20 and 19 moved down by two; the single block has entered.
    EXPECT_EQ(
        board(),
        withCells(fieldFromBottom({"#............", "##.#.........", "#.#.#.#.#.#.#"}), {7}, 'o'));
    EXPECT_EQ(game.state().score, 20);
    EXPECT_EQ(scoreTexts(calls), (std::vector<std::string>{" 10", " 20"}));
    EXPECT_EQ(sounds(calls), std::vector<int>{3});

    // Both removed rows turn white, bottom row first, before the drop begins.
    std::vector<int> whitened;
    for (const auto& call : calls) {
        if (call.op == Op::CellFill && call.value == colour::EmptyCell) {
            whitened.push_back(call.index);
        }
        if (whitened.size() == 26) {
            break;
        }
    }
    ASSERT_EQ(whitened.size(), 26u);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(whitened[static_cast<std::size_t>(i)], 287 + i);
        EXPECT_EQ(whitened[static_cast<std::size_t>(13 + i)], 274 + i);
    }
}

TEST_F(RowClearingTest, TwoFullRowsWithARowBetween) {
    start({7, 8, 8});
    setBoard(fieldFromBottom({
        ".##..........", // 18
        "..#.#........", // 19
        "o#.##########", // 20
        "o############", // 21: full once the line lands
        "o###.########", // 22: the hole keeps it
        "o############", // 23: full
    }));
    place(7, {248, 261, 274, 287});
    const auto calls = land();

    EXPECT_EQ(board(), withCells(fieldFromBottom({
                                     ".##..........", // was 18, two down
                                     "..#.#........", // was 19
                                     "##.##########", // was 20
                                     "####.########", // was 22, one down
                                 }),
                                 {7}, 'o'));
    EXPECT_EQ(game.state().score, 20);
    EXPECT_EQ(sounds(calls), std::vector<int>{3});
    expectInvariants();
}

TEST_F(RowClearingTest, FourRowsAtOnceScoreFortyWithoutBonus) {
    start({7, 8, 8});
    EXPECT_EQ(window.scoreText, " 0");
    setBoard(fieldFromBottom({
        "......#......",
        "o############",
        "o############",
        "o############",
        "o############",
    }));
    place(7, {248, 261, 274, 287});
    const auto calls = land();
    EXPECT_EQ(game.state().score, 40);
    EXPECT_EQ(window.scoreText, " 40");
    EXPECT_EQ(scoreTexts(calls), (std::vector<std::string>{" 10", " 20", " 30", " 40"}));
    EXPECT_EQ(board(), withCells(fieldFromBottom({"......#......"}), {7}, 'o'));
    EXPECT_EQ(sounds(calls), std::vector<int>{3});
}

TEST_F(RowClearingTest, ARowVisitedByTwoSlotsIsScoredOnce) {
    start({6, 8, 8});
    // A turned T in 73, 59, 72, 85: slots 1 and 3 share row 6.
    setBoard(fieldFromBottom({}));
    for (int cell = 66; cell <= 78; ++cell) {
        if (cell != 72 && cell != 73) {
            GameTestAccess::setCell(game, cell, Cell::Settled);
        }
    }
    GameTestAccess::setCell(game, 98, Cell::Settled); // under 85
    place(6, {73, 59, 72, 85});
    const auto calls = land();
    EXPECT_EQ(game.state().score, 10);
    EXPECT_EQ(scoreTexts(calls), std::vector<std::string>{" 10"});
    // Row 5's block drops into row 6, row 7's block stays.
    EXPECT_EQ(game.state().cells(72), Cell::Settled);
    EXPECT_EQ(game.state().cells(59), Cell::Empty);
    EXPECT_EQ(game.state().cells(85), Cell::Settled);
}

TEST_F(RowClearingTest, NoFullRowChangesNothingButPlaysTheSettleSound) {
    start({8, 8, 8});
    setBoard(fieldFromBottom({"######o.#####"}));
    place(8, {293, 0, 0, 0});
    const auto calls = land();
    EXPECT_EQ(game.state().score, 0);
    EXPECT_EQ(scoreTexts(calls).size(), 0u);
    EXPECT_EQ(sounds(calls), std::vector<int>{1});
    EXPECT_EQ(board(), withCells(fieldFromBottom({"#######.#####"}), {7}, 'o'));
}

TEST_F(RowClearingTest, StackReachingTheTopDropsWithoutLeavingTheField) {
    start({8, 8, 8});
    // Every row holds a block in column 1; row 12 is full but for column 7.
    std::string picture;
    for (int row = 1; row <= 23; ++row) {
        picture += row == 12 ? "######.######\n" : "#............\n";
    }
    setBoard(picture);
    GameTestAccess::setCell(game, 163, Cell::Settled); // row 13, under the gap
    place(8, {150, 0, 0, 0});
    const auto calls = land();

    EXPECT_EQ(game.state().score, 10);
    std::string expected = ".............\n";
    for (int row = 2; row <= 23; ++row) {
        expected += row == 13 ? "#.....#......\n" : "#............\n";
    }
    expected = withCells(expected, {7}, 'o');
    EXPECT_EQ(board(), expected);
    EXPECT_EQ(sounds(calls), std::vector<int>{3});
}

TEST_F(RowClearingTest, AFullTopRowIsRemovedAndTheGameGoesOn) {
    start({8, 8, 8});
    setBoard(withCells(withCells(EmptyField, {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 20}, '#'),
                       {7}, 'o'));
    place(8, {7, 0, 0, 0});
    const auto calls = land();

    EXPECT_EQ(game.state().score, 10);
    EXPECT_EQ(sounds(calls), std::vector<int>{3});
    EXPECT_FALSE(game.state().gameOver);
    EXPECT_EQ(pieceCells(), (std::array{7, 0, 0, 0}));
    EXPECT_EQ(board(), withCells(withCells(EmptyField, {7}, 'o'), {20}, '#'));
}

TEST_F(RowClearingTest, ASingleBottomRowDropsEverythingByOne) {
    start({8, 8, 8});
    setBoard(fieldFromBottom({
        "...#.........",
        "..##.........",
        "######o######",
    }));
    place(8, {293, 0, 0, 0});
    const auto calls = land();
    EXPECT_EQ(board(), withCells(fieldFromBottom({"...#.........", "..##........."}), {7}, 'o'));
    EXPECT_EQ(game.state().score, 10);
    EXPECT_EQ(sounds(calls), std::vector<int>{3});
    // After the drop every settled cell shows dark blue, every other white.
    expectInvariants();
}

} // namespace
} // namespace stackfall::testing
