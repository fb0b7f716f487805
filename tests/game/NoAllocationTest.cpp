// SPDX-License-Identifier: GPL-3.0-or-later
// The rules never touch the heap once loaded: a whole game of keys, ticks,
// landings, row removals and restarts makes no allocation.
#include "AllocationCounter.h"
#include "Game.h"
#include "NullWindow.h"
#include "Randoms.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace stackfall::testing {
namespace {

TEST(NoAllocationTest, PlayingMakesNoHeapAllocation) {
    NullWindow window;
    SeededRandom random(3);
    Game game(window, random);
    game.load();
    std::uint32_t lcg = 12345;
    const std::array keys{GameKey::Left, GameKey::Turn, GameKey::Right,
                          GameKey::Down, GameKey::Turn, GameKey::Down};

    const auto before = allocations();
    int games = 0;
    for (int event = 0; event < 200000; ++event) {
        lcg = lcg * 1664525u + 1013904223u;
        const auto pick = lcg >> 24;
        if (game.state().gameOver) {
            game.startClicked();
            ++games;
        } else if (pick % 3 == 0) {
            game.keyDown(keys[pick % keys.size()]);
        } else if (pick % 7 == 1) {
            game.clockTick();
        } else {
            game.gravityTick();
        }
    }
    game.levelChosen(2);
    game.aboutClicked();
    EXPECT_EQ(allocations() - before, 0u);
    EXPECT_GT(games, 10);
}

} // namespace
} // namespace stackfall::testing
