// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeWindow.h"
#include "FuzzedRandom.h"
#include "GameState.h"

#include <array>
#include <cstdint>
#include <string>

namespace stackfall::fuzz {

// Everything an event could change: the rules' state, what the window shows
// and was asked to do, and how far the generator was used. An event that the
// rules refuse must leave all of it as it was.
struct Snapshot {
    GameState state;
    IndexedArray<Rgb, 1, 299> cellFill;
    IndexedArray<Rgb, 1, 299> cellOutline;
    IndexedArray<Rgb, 0, 75> borderFill;
    IndexedArray<Rgb, 1, 12> previewFill;
    std::string scoreText;
    std::string timeText;
    std::string levelText;
    bool pauseVisible = false;
    bool gravityEnabled = false;
    bool clockEnabled = false;
    int gravityPeriod = 0;
    int gameOverShown = 0;
    int aboutShown = 0;
    bool ended = false;
    FocusTarget focus = FocusTarget::MainWindow;
    std::array<std::int64_t, 4> soundCount{};
    std::int64_t scoreZeroWrites = 0;
    std::size_t questions = 0;
    std::int64_t draws = 0;
    std::int64_t reseeds = 0;

    [[nodiscard]] static Snapshot take(const GameState& state, const testing::FakeWindow& window,
                                       const FuzzedRandom& random);
};

// The names of what differs between two snapshots; empty when nothing does.
[[nodiscard]] std::string differences(const Snapshot& expected, const Snapshot& actual);

} // namespace stackfall::fuzz
