#include "GameFixture.h"
#include "KeyCode.h"

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
    std::vector<Call> press(std::int16_t key, std::int16_t shift = 0) {
        const auto before = mark();
        game.keyDown(key, shift);
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
    const auto calls = press(key::Up);
    EXPECT_EQ(pieceCells(), (std::array{73, 59, 72, 85}));
    EXPECT_EQ(calls.back(), (Call{Op::PlaySound, 2}));
    expectInvariants();

    // The clockwise order of the square: the knob points right, down, left,
    // and after four turns the same four cells again.
    press(key::Up);
    EXPECT_EQ(cellsOfPiece(), (std::set{71, 72, 73, 85}));
    press(key::Up);
    EXPECT_EQ(cellsOfPiece(), (std::set{59, 71, 72, 85}));
    press(key::Up);
    EXPECT_EQ(cellsOfPiece(), (std::set{59, 71, 72, 73}));
    EXPECT_EQ(board(), start);
    EXPECT_EQ(game.state().pivotSlot, 3);
    EXPECT_EQ(game.state().pieceCells(3), 72);
}

TEST_F(ControlsTest, TurnClearsEveryOldCellBeforeMarkingTheNewOnes) {
    setUpPiece(6, {59, 71, 72, 73});
    const auto calls = press(key::Up);
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
    press(key::Up);
    EXPECT_EQ(pieceCells(), (std::array{20, 33, 46, 59}));
    expectInvariants();
    press(key::Up);
    EXPECT_EQ(pieceCells(), (std::array{31, 32, 33, 34}));
    expectInvariants();

    setUpPiece(7, {32, 33, 34, 35}, {20});
    const auto calls = press(key::Up);
    EXPECT_EQ(pieceCells(), (std::array{21, 34, 47, 60}));
    EXPECT_EQ(calls.back(), (Call{Op::PlaySound, 2}));
    // Both candidate columns blocked: it stays flat, and the sound plays.
    setUpPiece(7, {32, 33, 34, 35}, {59, 60});
    const std::string before = board();
    EXPECT_EQ(press(key::Up), std::vector<Call>{Call(Op::PlaySound, 2)});
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
        const auto calls = press(key::Up);
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
        std::int16_t key;
    };
    const std::vector<Case> cases{
        {"left wall", {41, 53, 54, 55}, {}, key::Left},
        {"right wall", {51, 63, 64, 65}, {}, key::Right},
        {"settled on the left", {59, 71, 72, 73}, {70}, key::Left},
        {"settled on the right", {59, 71, 72, 73}, {60}, key::Right},
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
    EXPECT_TRUE(press(key::Right).empty());
    setUpPiece(8, {14, 0, 0, 0});
    EXPECT_TRUE(press(key::Left).empty());
}

TEST_F(ControlsTest, ArrowsMoveOneColumnWhateverTheShiftState) {
    setUpPiece(6, {59, 71, 72, 73});
    for (const int shift : {0, 1, 2, 4, 7}) {
        press(key::Left, static_cast<std::int16_t>(shift));
        EXPECT_EQ(pieceCells(), (std::array{58, 70, 71, 72})) << shift;
        press(key::Right, static_cast<std::int16_t>(shift));
        EXPECT_EQ(pieceCells(), (std::array{59, 71, 72, 73})) << shift;
    }
    // Every other key does nothing at all.
    for (const int other : {0, 13, 32, 65, 113, 115, -1, 32767}) {
        EXPECT_TRUE(press(static_cast<std::int16_t>(other)).empty()) << other;
    }
}

TEST_F(ControlsTest, DownMovesOneRowOrSettlesAtOnce) {
    setUpPiece(6, {59, 71, 72, 73});
    press(key::Down);
    EXPECT_EQ(pieceCells(), (std::array{72, 84, 85, 86}));

    setUpPiece(6, {280, 292, 293, 294});
    const auto calls = press(key::Down);
    for (const int cell : {280, 292, 293, 294}) {
        EXPECT_EQ(game.state().cells(cell), Cell::Settled);
    }
    EXPECT_EQ(pieceCells(), (std::array{7, 0, 0, 0}));
    // The soft drop plays the landing's sound only and leaves the timer be.
    EXPECT_EQ(window.soundsSince(mark() - calls.size()), std::vector<int>{1});
    EXPECT_EQ(window.count(Op::TimerEnabled, mark() - calls.size()), 0u);
}

TEST_F(ControlsTest, TheFocusedControlPassesEachKeyOnOnce) {
    using Handler = void (Game::*)(std::int16_t, std::int16_t);
    for (const Handler handler :
         {&Game::keyDown, &Game::clockPanelKeyDown, &Game::scorePanelKeyDown,
          &Game::focusKeeperKeyDown, &Game::levelBarKeyDown}) {
        setUpPiece(6, {59, 71, 72, 73});
        (game.*handler)(key::Left, 0);
        EXPECT_EQ(pieceCells(), (std::array{58, 70, 71, 72}));
        (game.*handler)(key::Up, 1);
        EXPECT_EQ(cellsOfPiece(), (std::set{58, 71, 72, 84}));
        (game.*handler)(key::F3, 0);
        EXPECT_TRUE(game.state().paused);
        (game.*handler)(key::F3, 0);
        EXPECT_FALSE(game.state().paused);
    }
}

TEST_F(ControlsTest, PauseStopsGravityAndTheArrowsButNotTheClock) {
    setUpPiece(6, {59, 71, 72, 73});
    auto calls = press(key::F3);
    EXPECT_EQ(calls, (std::vector<Call>{{Op::TimerEnabled, static_cast<int>(Timer::Gravity), 0},
                                        {Op::PauseVisible, 0, 1}}));
    EXPECT_TRUE(game.state().paused);
    const std::string paused = board();
    for (const auto k : {key::Left, key::Right, key::Up, key::Down}) {
        EXPECT_TRUE(press(k).empty());
    }
    EXPECT_EQ(board(), paused);
    game.clockTick();
    EXPECT_EQ(window.timeText, "00:00:01");
    expectInvariants();

    calls = press(key::F3);
    EXPECT_EQ(calls, (std::vector<Call>{{Op::PauseVisible, 0, 0},
                                        {Op::TimerEnabled, static_cast<int>(Timer::Gravity), 1}}));
    EXPECT_FALSE(game.state().paused);
    press(key::Left);
    EXPECT_EQ(pieceCells(), (std::array{58, 70, 71, 72}));
    expectInvariants();
}

TEST_F(ControlsTest, PauseKeyDoesNothingWithoutAGame) {
    game.load();
    EXPECT_TRUE(press(key::F3).empty());
    EXPECT_FALSE(game.state().paused);

    // After game over too.
    setUpPiece(8, {7, 0, 0, 0}, {20, 6});
    game.gravityTick();
    ASSERT_TRUE(game.state().gameOver);
    EXPECT_TRUE(press(key::F3).empty());
    EXPECT_FALSE(game.state().paused);
    EXPECT_FALSE(window.pauseVisible);
}

} // namespace
} // namespace stackfall::testing
