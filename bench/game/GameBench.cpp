// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for the rules alone: the window does no work. Every benchmark also
// counts heap allocations in its timed loop and fails if there is any.
#include "AllocationCounter.h"
#include "ClockRandom.h"
#include "Game.h"
#include "GameTestAccess.h"
#include "NullWindow.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace stackfall::bench {
using testing::NullWindow;
namespace {

class Rig {
public:
    Rig() {
        game.load();
        game.startClicked();
        GameTestAccess::setBoard(game, std::string(299, '.'));
    }
    GameState& state() { return GameTestAccess::state(game); }

    NullWindow window;
    ClockRandom random;
    Game game{window, random};
};

void checkAllocations(benchmark::State& st, std::uint64_t before) {
    const auto made = testing::allocations() - before;
    st.counters["allocations"] = static_cast<double>(made);
    if (made != 0) {
        st.SkipWithError("the rules allocated on the heap");
    }
}

// A field with a stack in the lowest rows and none of them full.
std::string stackPicture(int fullRowsBesideColumnOne) {
    std::string picture(299, '.');
    for (int row = 23; row > 23 - fullRowsBesideColumnOne; --row) {
        for (int column = 2; column <= 13; ++column) {
            picture[static_cast<std::size_t>((row - 1) * 13 + column - 1)] = '#';
        }
    }
    // A few blocks above, so that the drop has rows to copy.
    for (int column = 3; column <= 13; column += 2) {
        picture[static_cast<std::size_t>((23 - fullRowsBesideColumnOne - 1) * 13 + column - 1)] =
            '#';
    }
    return picture;
}

void GravityStepThatMoves(benchmark::State& st) {
    Rig rig;
    GameTestAccess::placePiece(rig.game, 6, {7, 19, 20, 21});
    int steps = 0;
    const auto before = testing::allocations();
    for (auto _ : st) {
        GameTestAccess::gravityStep(rig.game);
        if (++steps == 20) {
            // Back to the top before the piece reaches the floor.
            GameTestAccess::shiftPiece(rig.game, -13 * 20);
            steps = 0;
        }
    }
    checkAllocations(st, before);
}
BENCHMARK(GravityStepThatMoves);

// Restoring the prepared state is part of each landing below; this is its
// cost alone.
void RestoreState(benchmark::State& st) {
    Rig rig;
    const GameState prepared = rig.state();
    for (auto _ : st) {
        rig.state() = prepared;
        benchmark::DoNotOptimize(rig.state());
    }
}
BENCHMARK(RestoreState);

// Lands the same prepared piece again and again, restoring the field before
// each landing; returns the points the last landing scored.
template <typename Land>
std::int64_t landRepeatedly(benchmark::State& st, int fullRows, int type, std::array<int, 4> cells,
                            Land land) {
    Rig rig;
    GameTestAccess::setBoard(rig.game, stackPicture(fullRows));
    GameTestAccess::placePiece(rig.game, type, cells);
    const GameState prepared = rig.state();
    const auto before = testing::allocations();
    for (auto _ : st) {
        rig.state() = prepared;
        land(rig.game);
    }
    checkAllocations(st, before);
    return rig.state().score - prepared.score;
}

void LandingWithoutRows(benchmark::State& st) {
    landRepeatedly(st, 0, 6, {280, 292, 293, 294}, GameTestAccess::gravityStep);
}
BENCHMARK(LandingWithoutRows);

void LandingThatRemovesFourRows(benchmark::State& st) {
    if (landRepeatedly(st, 4, 7, {248, 261, 274, 287}, GameTestAccess::gravityStep) != 40) {
        st.SkipWithError("the landing did not remove four rows");
    }
}
BENCHMARK(LandingThatRemovesFourRows);

void TurnKey(benchmark::State& st) {
    Rig rig;
    GameTestAccess::placePiece(rig.game, 6, {59, 71, 72, 73});
    const auto before = testing::allocations();
    for (auto _ : st) {
        rig.game.keyDown(GameKey::Turn);
    }
    checkAllocations(st, before);
}
BENCHMARK(TurnKey);

void SidewaysKey(benchmark::State& st) {
    Rig rig;
    GameTestAccess::placePiece(rig.game, 6, {59, 71, 72, 73});
    bool left = true;
    const auto before = testing::allocations();
    for (auto _ : st) {
        rig.game.keyDown(left ? GameKey::Left : GameKey::Right);
        left = !left;
    }
    checkAllocations(st, before);
}
BENCHMARK(SidewaysKey);

void SoftDropThatLands(benchmark::State& st) {
    landRepeatedly(st, 0, 6, {280, 292, 293, 294}, [](Game& game) { game.keyDown(GameKey::Down); });
}
BENCHMARK(SoftDropThatLands);

void ClockTick(benchmark::State& st) {
    Rig rig;
    const auto before = testing::allocations();
    for (auto _ : st) {
        rig.game.clockTick();
    }
    checkAllocations(st, before);
}
BENCHMARK(ClockTick);

} // namespace
} // namespace stackfall::bench

BENCHMARK_MAIN();
