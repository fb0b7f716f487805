// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"

#include <cstdint>

namespace stackfall {

// The generator the game uses: SplitMix64, reseeded from the system clock.
// A reseed folds the clock into the current state rather than replacing it,
// so two draws within one clock tick still differ.
class ClockRandom final : public RandomSource {
public:
    void reseedFromClock() override;
    [[nodiscard]] double next() override;

private:
    std::uint64_t state_ = 0x9e3779b97f4a7c15ULL;
};

} // namespace stackfall
