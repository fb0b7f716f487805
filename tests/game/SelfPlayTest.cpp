#include "GameFixture.h"

namespace stackfall::testing {
namespace {

// Whole games driven by gravity alone, checked after every tick.
TEST(SelfPlayTest, AThousandGamesOfGravityKeepEveryInvariant) {
    FakeWindow window;
    window.record = false;
    SeededRandom random(20261207);
    Game game(window, random);
    InvariantChecker checker;
    game.Form_Load();

    std::int64_t ticks = 0;
    for (int played = 0; played < 1000; ++played) {
        checker.before(game.state(), window);
        game.Image2_Click();
        ASSERT_EQ(checker.after(game.state(), window), "") << "new game " << played;
        while (!game.state().GameOver) {
            checker.before(game.state(), window);
            game.Timer1_Timer();
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
