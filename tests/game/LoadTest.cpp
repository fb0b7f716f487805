// SPDX-License-Identifier: GPL-3.0-or-later
#include "Field.h"
#include "GameFixture.h"
#include "Levels.h"
#include "PieceTable.h"

namespace stackfall::testing {
namespace {

using LoadTest = GameFixture;

TEST(FieldTest, NumberingAndNeighbours) {
    EXPECT_EQ(field::rowOf(13), 1);
    EXPECT_EQ(field::rowOf(14), 2);
    EXPECT_EQ(field::columnOf(13), 13);
    EXPECT_EQ(field::columnOf(14), 1);
    EXPECT_EQ(field::rowOf(286), 22);
    EXPECT_EQ(field::columnOf(286), 13);
    EXPECT_FALSE(field::inBottomRow(286));
    EXPECT_TRUE(field::inBottomRow(287));
    EXPECT_TRUE(field::inBottomRow(299));
    EXPECT_EQ(field::cellAt(23, 13), 299);
    for (int cell = 1; cell <= field::CellCount; ++cell) {
        EXPECT_EQ(field::cellAt(field::rowOf(cell), field::columnOf(cell)), cell);
    }
}

TEST_F(LoadTest, PaintsTheDecorationAndFillsTheTables) {
    game.load();

    EXPECT_TRUE(game.state().gameOver);
    EXPECT_FALSE(game.state().paused);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(random.draws, 0);
    for (int i = 0; i <= 75; ++i) {
        EXPECT_EQ(window.borderFill(i), colour::Border);
    }
    for (int cell = 1; cell <= 299; ++cell) {
        EXPECT_EQ(window.cellOutline(cell), rgb(0, 0, 192));
        EXPECT_EQ(window.cellFill(cell), rgb(255, 255, 255));
    }
    // Border first, then outlines, then the gravity period; no timer is touched.
    EXPECT_EQ(window.count(Op::BorderFill), 76u);
    EXPECT_EQ(window.count(Op::CellOutline), 299u);
    EXPECT_EQ(window.calls[75].op, Op::BorderFill);
    EXPECT_EQ(window.calls[76].op, Op::CellOutline);
    EXPECT_EQ(window.calls.back(), (Call{Op::GravityPeriod, 0, 500}));
    EXPECT_EQ(window.count(Op::TimerEnabled), 0u);
    EXPECT_EQ(window.count(Op::CellFill), 0u);

    const auto& s = game.state();
    // The tables the rules play by.
    EXPECT_EQ(pieces::entryCell(8, 1), 7);
    EXPECT_EQ(pieces::entryCell(8, 2), 0);
    EXPECT_EQ(pieces::entryCell(9, 4), 0);
    EXPECT_EQ(pieces::entryCell(7, 1), 6);
    EXPECT_EQ(pieces::entryCell(7, 4), 9);
    EXPECT_EQ(pieces::entryCell(1, 4), 20);
    EXPECT_EQ(pieces::pivotSlotOf(1), 4);
    EXPECT_EQ(pieces::pivotSlotOf(5), 0);
    EXPECT_EQ(pieces::pivotSlotOf(7), 2);
    EXPECT_EQ(levels::level(1).gravityPeriod, 500);
    EXPECT_EQ(levels::level(2).gravityPeriod, 150);
    EXPECT_EQ(levels::level(3).gravityPeriod, 50);
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.nextType, 0);
    EXPECT_EQ(s.currentType, 0);
}

TEST_F(LoadTest, StartsAtTheLevelBarsFirstLevelAndKeepsLevelsInTheTable) {
    game.load();
    EXPECT_EQ(game.state().level, 1);
    EXPECT_EQ(window.gravityPeriod, 500);
    game.levelChosen(3);
    EXPECT_EQ(game.state().level, 3);
    EXPECT_EQ(window.gravityPeriod, 50);
    // Nothing the level bar can say leads outside the speed table.
    game.levelChosen(42);
    EXPECT_EQ(game.state().level, 3);
    game.levelChosen(-7);
    EXPECT_EQ(game.state().level, 1);
}

TEST_F(LoadTest, TicksAndKeysBeforeTheFirstGameChangeNothing) {
    game.load();
    const auto before = mark();
    game.gravityTick();
    game.clockTick();
    for (const auto k :
         {GameKey::Pause, GameKey::Left, GameKey::Right, GameKey::Turn, GameKey::Down}) {
        game.keyDown(k);
    }
    EXPECT_EQ(window.since(before).size(), 0u);
    EXPECT_EQ(board(), EmptyField);
    EXPECT_FALSE(game.state().paused);
    EXPECT_EQ(window.timeText, "00:00");
}

} // namespace
} // namespace stackfall::testing
