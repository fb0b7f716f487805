// SPDX-License-Identifier: GPL-3.0-or-later
#include "Autoplayer.h"

#include "Game.h"
#include "GameTestAccess.h"
#include "NullWindow.h"
#include "Randoms.h"

#include <array>
#include <limits>

namespace stackfall::testing {
namespace {

// Counts landings (a landing plays sound 1 or 3) and does nothing else.
class LandingCounter final : public NullWindow {
public:
    void playSound(Sound sound) override { landings += sound == Sound::Turn ? 0 : 1; }

    int landings = 0;
};

double evaluate(const GameState& s, std::int64_t rowsRemoved) {
    int holes = 0;
    int heights = 0;
    int bumps = 0;
    int previous = -1;
    for (int column = 1; column <= field::Columns; ++column) {
        int height = 0;
        for (int row = 1; row <= field::Rows; ++row) {
            const Cell c = s.cells(field::cellAt(row, column));
            if (c == Cell::Settled && height == 0) {
                height = field::Rows - row + 1;
            } else if (c != Cell::Settled && height != 0) {
                ++holes;
            }
        }
        heights += height;
        if (previous >= 0) {
            bumps += height > previous ? height - previous : previous - height;
        }
        previous = height;
    }
    return 0.76 * static_cast<double>(rowsRemoved) - 0.51 * heights - 0.36 * holes - 0.18 * bumps;
}

} // namespace

Plan choosePlan(const GameState& state) {
    LandingCounter window;
    SeededRandom random(1);
    Game sim(window, random);
    Plan best;
    double bestValue = std::numeric_limits<double>::lowest();
    for (int turns = 0; turns < 4; ++turns) {
        for (int shift = -6; shift <= 6; ++shift) {
            auto& s = GameTestAccess::state(sim);
            s = state;
            s.paused = false;
            if (s.gameOver) {
                return best;
            }
            for (int i = 0; i < turns; ++i) {
                sim.keyDown(GameKey::Turn);
            }
            for (int i = 0; i < (shift < 0 ? -shift : shift); ++i) {
                sim.keyDown(shift < 0 ? GameKey::Left : GameKey::Right);
            }
            const int landed = window.landings;
            for (int step = 0; step < field::Rows + 1 && window.landings == landed; ++step) {
                sim.keyDown(GameKey::Down);
            }
            // The next piece has entered by now; only the settled cells count.
            const double value = evaluate(s, (s.score - state.score) / 10) - (s.gameOver ? 1e6 : 0);
            if (value > bestValue) {
                bestValue = value;
                best = {turns, shift};
            }
        }
    }
    return best;
}

} // namespace stackfall::testing
