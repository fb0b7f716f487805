// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockRandom.h"

#include "SplitMix64.h"

#include <chrono>

namespace stackfall {

void ClockRandom::reseedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    state_ = (state_ * 0xbf58476d1ce4e5b9ULL) ^ ticks;
}

double ClockRandom::next() {
    return splitMix64(state_);
}

} // namespace stackfall
