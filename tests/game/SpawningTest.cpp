// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"
#include "PieceTable.h"

#include <set>

namespace stackfall::testing {
namespace {

using SpawningTest = GameFixture;

// The preview cells lit for each type, as the player sees them.
const std::array<std::set<int>, 9> LitPreview{{
    {2, 3, 5, 6},
    {1, 2, 6, 7},
    {1, 5, 6, 7},
    {3, 5, 6, 7},
    {2, 3, 6, 7},
    {2, 5, 6, 7},
    {1, 2, 3, 4},
    {2},
    {2, 6, 7},
}};

const std::array<std::array<int, 4>, 9> EntryCells{{
    {7, 8, 19, 20},
    {6, 7, 20, 21},
    {6, 19, 20, 21},
    {8, 19, 20, 21},
    {7, 8, 20, 21},
    {7, 19, 20, 21},
    {6, 7, 8, 9},
    {7, 0, 0, 0},
    {7, 20, 21, 0},
}};

std::set<int> litCells(const FakeWindow& window) {
    std::set<int> lit;
    for (int cell = 1; cell <= 12; ++cell) {
        if (window.previewFill(cell) == rgb(192, 192, 192)) {
            lit.insert(cell);
        } else {
            EXPECT_EQ(window.previewFill(cell), rgb(255, 255, 255));
        }
    }
    return lit;
}

TEST(SpawnTest, EveryTypeEntersAnEmptyFieldAndEveryTypeShowsInThePreview) {
    for (int type = 1; type <= 9; ++type) {
        const int next = 10 - type;
        FakeWindow window;
        auto random = ScriptedRandom::ofTypes({type, next});
        Game game(window, random);
        game.load();
        game.startClicked();

        const auto& s = game.state();
        EXPECT_EQ(s.currentType, type);
        EXPECT_EQ(s.nextType, next);
        EXPECT_EQ(s.pivotSlot, pieces::pivotSlotOf(type));
        const auto& entry = EntryCells[static_cast<std::size_t>(type - 1)];
        int blocks = 0;
        for (int slot = 1; slot <= 4; ++slot) {
            EXPECT_EQ(s.pieceCells(slot), entry[static_cast<std::size_t>(slot - 1)]);
        }
        for (int cell = 1; cell <= 299; ++cell) {
            const bool inPiece = std::find(entry.begin(), entry.end(), cell) != entry.end();
            EXPECT_EQ(s.cells(cell), inPiece ? Cell::Falling : Cell::Empty);
            EXPECT_EQ(window.cellFill(cell), inPiece ? rgb(0, 0, 255) : rgb(255, 255, 255));
            blocks += inPiece ? 1 : 0;
            // Every piece enters within columns 6 to 9 of rows 1 and 2.
            if (inPiece) {
                EXPECT_LE(field::rowOf(cell), 2);
                EXPECT_GE(field::columnOf(cell), 6);
                EXPECT_LE(field::columnOf(cell), 9);
            }
        }
        EXPECT_EQ(blocks, type == 8 ? 1 : type == 9 ? 3 : 4);
        EXPECT_EQ(litCells(window), LitPreview[static_cast<std::size_t>(next - 1)]) << next;
    }
}

TEST_F(SpawningTest, SpawnRedrawsThePreviewAfterPlacingThePiece) {
    start({3, 7, 8});
    const auto before = mark();
    GameTestAccess::setBoard(game, EmptyField);
    const auto afterBoard = mark();
    GameTestAccess::spawnPiece(game);
    const auto calls = window.since(afterBoard);
    ASSERT_EQ(calls.size(), 4u + 12u + 1u);
    // Four blue cells, twelve white preview cells, then the single lit cell.
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(calls[i].op, Op::CellFill);
        EXPECT_EQ(calls[i].value, colour::FallingBlock);
        EXPECT_EQ(calls[i].index, EntryCells[6][i]);
    }
    for (std::size_t i = 4; i < 16; ++i) {
        EXPECT_EQ(calls[i], (Call{Op::PreviewFill, static_cast<int>(i) - 3, colour::PreviewUnlit}));
    }
    EXPECT_EQ(calls[16], (Call{Op::PreviewFill, 2, colour::PreviewLit}));
    EXPECT_GT(afterBoard, before);
    // Each draw is made right after a reseed from the clock.
    EXPECT_EQ(random.reseeds, random.draws + 1);
}

TEST_F(SpawningTest, ACellTakenInRowOneDecidesWhichTypesEnter) {
    for (const auto& [taken, blockedTypes] :
         std::vector<std::pair<int, std::set<int>>>{{7, {1, 2, 5, 6, 7, 8, 9}}, {9, {7}}}) {
        for (int type = 1; type <= 9; ++type) {
            FakeWindow w;
            auto r = ScriptedRandom::ofTypes({8, type, 4});
            Game g(w, r);
            g.load();
            g.startClicked();
            GameTestAccess::setBoard(g, EmptyField);
            GameTestAccess::setCell(g, taken, Cell::Settled);
            GameTestAccess::state(g).pieceCells.fill(0);
            const auto before = w.calls.size();
            GameTestAccess::spawnPiece(g);
            EXPECT_EQ(g.state().gameOver, blockedTypes.contains(type))
                << "type " << type << " with cell " << taken << " taken";
            if (g.state().gameOver) {
                // A blocked entry paints nothing and keeps the preview.
                EXPECT_EQ(w.count(Op::CellFill, before), 0u);
                EXPECT_EQ(w.count(Op::PreviewFill, before), 0u);
                EXPECT_EQ(g.state().currentType, 8);
                EXPECT_EQ(g.state().nextType, type);
            }
        }
    }
}

TEST_F(SpawningTest, ABlockedEntryEndsTheGameOnce) {
    start({7, 7, 7, 7});
    // A stack up to row 2 under the entry: the next line lands at once and
    // the one after it cannot enter.
    setBoard(withCells(EmptyField, {19, 20, 21, 22}, '#'));
    place(7, {6, 7, 8, 9});
    const auto before = mark();
    game.gravityTick(); // lands in row 1
    EXPECT_EQ(game.state().gameOver, true);
    const auto calls = window.since(before);
    const auto over = std::find_if(calls.begin(), calls.end(),
                                   [](const Call& c) { return c.op == Op::TimerEnabled; });
    ASSERT_NE(over, calls.end());
    // The landing's sound, then both timers off and the picture window.
    EXPECT_EQ(std::vector<Call>(over, calls.end()),
              (std::vector<Call>{{Op::TimerEnabled, static_cast<int>(Timer::Gravity), 0},
                                 {Op::TimerEnabled, static_cast<int>(Timer::Clock), 0},
                                 {Op::ShowWindow, static_cast<int>(Window::GameOver), 0}}));
    EXPECT_EQ(window.gameOverShown, 1);
    EXPECT_FALSE(window.gravityEnabled);
    EXPECT_FALSE(window.clockEnabled);
    // The board, the score and the preview stay on view; nothing moves on.
    const std::string last = board();
    const auto after = mark();
    game.gravityTick();
    game.clockTick();
    game.keyDown(GameKey::Down);
    EXPECT_EQ(window.since(after).size(), 0u);
    EXPECT_EQ(board(), last);
    EXPECT_EQ(window.gameOverShown, 1);
    // A click on Start then begins a new game at once, without a question.
    game.startClicked();
    EXPECT_FALSE(game.state().gameOver);
    EXPECT_TRUE(window.questions.empty());
}

TEST_F(SpawningTest, APieceEntersOnTopOfTheStackAndSettlesOnTheNextTick) {
    start({8, 5, 8});
    // Row 3 is taken under the square's entry cells.
    setBoard(withCells(EmptyField, {33, 34}, '#'));
    GameTestAccess::state(game).pieceCells.fill(0);
    GameTestAccess::state(game).nextType = 5;
    GameTestAccess::spawnPiece(game);
    ASSERT_FALSE(game.state().gameOver);
    EXPECT_EQ(pieceCells(), (std::array{7, 8, 20, 21}));
    game.gravityTick();
    for (const int cell : {7, 8, 20, 21}) {
        EXPECT_EQ(game.state().cells(cell), Cell::Settled) << cell;
    }
}

} // namespace
} // namespace stackfall::testing
