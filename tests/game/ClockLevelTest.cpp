// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"

#include <map>

namespace stackfall::testing {
namespace {

using ClockLevelTest = GameFixture;

TEST_F(ClockLevelTest, TheClockShowsHoursMinutesAndSeconds) {
    start({6, 8, 8});
    const std::map<int, std::string> shown{
        {1, "00:00:01"},     {10, "00:00:10"},      {59, "00:00:59"},   {60, "00:01:00"},
        {600, "00:10:00"},   {3599, "00:59:59"},    {3600, "01:00:00"}, {3661, "01:01:01"},
        {86399, "23:59:59"}, {360000, "100:00:00"},
    };
    int ticks = 0;
    for (const auto& [at, text] : shown) {
        while (ticks < at) {
            game.clockTick();
            ++ticks;
        }
        EXPECT_EQ(window.timeText, text) << at << " ticks";
    }
    GameTestAccess::state(game).hours = 123;
    GameTestAccess::state(game).minutes = 4;
    GameTestAccess::state(game).seconds = 4;
    game.clockTick();
    EXPECT_EQ(window.timeText, "123:04:05");
}

TEST_F(ClockLevelTest, TheClockCountsWhilePausedAndStopsAtGameOver) {
    start({8, 8, 8});
    game.keyDown(GameKey::Pause);
    game.clockTick();
    game.clockTick();
    EXPECT_EQ(window.timeText, "00:00:02");
    EXPECT_TRUE(window.clockEnabled);
    game.keyDown(GameKey::Pause);

    GameTestAccess::setCell(game, 20, Cell::Settled);
    game.gravityTick();
    ASSERT_TRUE(game.state().gameOver);
    EXPECT_FALSE(window.clockEnabled);
    // A tick that was already on its way changes nothing.
    const auto before = mark();
    game.clockTick();
    EXPECT_EQ(window.since(before).size(), 0u);
    EXPECT_EQ(window.timeText, "00:00:02");
}

TEST_F(ClockLevelTest, LevelChangesInEveryGameState) {
    const std::array<std::pair<int, std::pair<int, const char*>>, 4> levels{
        {{2, {150, "Mid"}}, {3, {50, "Hard"}}, {1, {500, "Easy"}}, {3, {50, "Hard"}}}};
    // No game, running, paused and over: the period and the name follow at
    // once, the timer stays as it was, the focus ends on the focus keeper.
    for (int phase = 0; phase < 4; ++phase) {
        if (phase == 1) {
            start({8, 8, 8});
        }
        if (phase == 2) {
            game.keyDown(GameKey::Pause);
        }
        if (phase == 3) {
            game.keyDown(GameKey::Pause);
            GameTestAccess::setCell(game, 20, Cell::Settled);
            game.gravityTick();
            ASSERT_TRUE(game.state().gameOver);
        }
        if (phase == 0) {
            game.load();
        }
        const bool gravity = window.gravityEnabled;
        const auto [value, expected] = levels[static_cast<std::size_t>(phase)];
        const auto before = mark();
        game.levelChosen(value);
        EXPECT_EQ(
            window.since(before),
            (std::vector<Call>{{Op::GravityPeriod, 0, expected.first},
                               {Op::LabelText, static_cast<int>(Label::Level), 0, expected.second},
                               {Op::Focus, static_cast<int>(FocusTarget::MainWindow)},
                               {Op::Focus, static_cast<int>(FocusTarget::FocusKeeper)}}))
            << "phase " << phase;
        EXPECT_EQ(game.state().level, value);
        EXPECT_EQ(window.gravityEnabled, gravity);
    }
    // A new game keeps the level and its period.
    game.startClicked();
    EXPECT_EQ(window.gravityPeriod, 50);
    EXPECT_EQ(game.state().level, 3);
}

} // namespace
} // namespace stackfall::testing
