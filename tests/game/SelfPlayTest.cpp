// SPDX-License-Identifier: GPL-3.0-or-later
#include "Autoplayer.h"
#include "GameFixture.h"

#include <cstdio>
#include <optional>
#include <random>

namespace stackfall::testing {
namespace {

// Whole games driven by gravity alone, checked after every tick.
TEST(SelfPlayTest, AThousandGamesOfGravityKeepEveryInvariant) {
    FakeWindow window;
    window.record = false;
    SeededRandom random(20261207);
    Game game(window, random);
    InvariantChecker checker;
    game.load();

    std::int64_t ticks = 0;
    for (int played = 0; played < 1000; ++played) {
        checker.before(game.state(), window);
        game.startClicked();
        ASSERT_EQ(checker.after(game.state(), window), "") << "new game " << played;
        while (!game.state().gameOver) {
            checker.before(game.state(), window);
            game.gravityTick();
            ++ticks;
            const std::string broken = checker.after(game.state(), window);
            ASSERT_EQ(broken, "") << "game " << played << ", tick " << ticks << "\n"
                                  << boardPicture(game.state());
        }
    }
    EXPECT_EQ(window.gameOverShown, 1000);
    EXPECT_GT(checker.landings(), 1000 * 5);
}

} // namespace
} // namespace stackfall::testing

namespace stackfall::testing {
namespace {

// Whole games with a player who presses random keys through every control,
// turns the level and answers the restart question at random between ticks.
TEST(SelfPlayTest, AThousandGamesWithRandomKeysLevelsAndRestarts) {
    FakeWindow window;
    window.record = false;
    SeededRandom random(7);
    Game game(window, random);
    InvariantChecker checker;
    std::mt19937 player(99);
    const auto roll = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(player); };
    window.answer = [&](const Question& q) {
        if (q.buttons == Buttons::OkCancel) {
            return Answer::Cancel;
        }
        return roll(4) == 0 ? Answer::Yes : Answer::No;
    };
    // The four empty entries stand for keys that the window does not pass on.
    const std::array<std::optional<GameKey>, 9> keys{GameKey::Left,
                                                     GameKey::Turn,
                                                     GameKey::Right,
                                                     GameKey::Down,
                                                     GameKey::Pause,
                                                     {},
                                                     {},
                                                     {},
                                                     {}};
    game.load();

    // The player mostly follows a plan for each piece, so that rows fill and
    // are removed, and now and then presses something else.
    Plan plan;
    std::int64_t landingsSeen = 0;
    std::int64_t gamesSeen = 0;
    int ended = 0;
    std::int64_t events = 0;
    const auto check = [&](const char* what) {
        const std::string broken = checker.after(game.state(), window);
        ++events;
        if (!broken.empty()) {
            ADD_FAILURE() << what << " after " << events << " events: " << broken << "\n"
                          << boardPicture(game.state());
            return false;
        }
        return true;
    };
    while (ended < 1000) {
        checker.before(game.state(), window);
        const bool wasOver = game.state().gameOver;
        switch (roll(10)) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const auto landingsNow = window.soundCount[1] + window.soundCount[3];
            if (landingsNow != landingsSeen || window.scoreZeroWrites != gamesSeen) {
                landingsSeen = landingsNow;
                gamesSeen = window.scoreZeroWrites;
                plan = choosePlan(game.state());
            }
            // Mostly the arrows; F3 rarely, so that games keep moving.
            auto k = keys[static_cast<std::size_t>(roll(9))];
            if (k == GameKey::Pause && roll(4) != 0) {
                k = GameKey::Down;
            }
            if (roll(8) != 0) {
                if (plan.turns > 0) {
                    k = GameKey::Turn;
                    --plan.turns;
                } else if (plan.shift != 0) {
                    k = plan.shift < 0 ? GameKey::Left : GameKey::Right;
                    plan.shift += plan.shift < 0 ? 1 : -1;
                } else {
                    k = GameKey::Down;
                }
            }
            if (k) {
                game.keyDown(*k);
            }
            break;
        }
        case 4:
            if (roll(20) == 0) {
                game.levelChosen(1 + roll(3));
            } else {
                game.clockTick();
            }
            break;
        case 5:
            if (roll(30) == 0) {
                game.startClicked();
            } else if (game.state().paused) {
                game.keyDown(GameKey::Pause);
            }
            break;
        default:
            // Ticks arrive only while the gravity timer runs.
            if (window.gravityEnabled) {
                game.gravityTick();
            } else if (game.state().gameOver) {
                game.startClicked();
            }
            break;
        }
        if (!check("event")) {
            return;
        }
        if (!wasOver && game.state().gameOver) {
            ++ended;
        }
    }
    EXPECT_EQ(window.gameOverShown, 1000);
    EXPECT_GT(window.soundCount[2], 1000);
    EXPECT_GT(window.soundCount[3], 100);
    std::printf("%lld landings, %lld with rows removed, %lld turns\n",
                static_cast<long long>(window.soundCount[1] + window.soundCount[3]),
                static_cast<long long>(window.soundCount[3]),
                static_cast<long long>(window.soundCount[2]));
}

} // namespace
} // namespace stackfall::testing
