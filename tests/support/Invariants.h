// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeWindow.h"
#include "GameState.h"

#include <array>
#include <cstdint>
#include <string>

namespace stackfall::testing {

// Checks, around every event, what must always hold between the rules' state
// and what the window shows. No test framework inside: the fuzzer uses it too.
//
// It keeps its own account of the blocks that have landed (one landing per
// sound 1 or 3, of the piece that was falling before the event) so that the
// score and the settled cells can be checked against each other:
// settled cells = blocks landed - 13 x rows removed, score = 10 x rows removed.
class InvariantChecker {
public:
    void before(const GameState& state, const FakeWindow& window);
    // An empty string when everything holds, else what did not.
    [[nodiscard]] std::string after(const GameState& state, const FakeWindow& window);

    [[nodiscard]] std::int64_t blocksLanded() const { return blocksLanded_; }
    [[nodiscard]] std::int64_t landings() const { return landings_; }

private:
    int pieceBlocks_ = 0;
    std::array<std::int64_t, 4> soundsBefore_{};
    std::int64_t newGamesBefore_ = 0;
    std::int64_t blocksLanded_ = 0;
    std::int64_t landings_ = 0;
    bool started_ = false;
};

// The number of blocks of the piece that is falling now.
[[nodiscard]] int pieceBlocks(const GameState& state);

} // namespace stackfall::testing
