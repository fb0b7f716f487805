#include "ClockRandom.h"

#include <chrono>

namespace stackfall {

void ClockRandom::reseedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    state_ = (state_ * 0xbf58476d1ce4e5b9ULL) ^ ticks;
}

double ClockRandom::next() {
    state_ += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    // The top 53 bits give every double in [0, 1) on a 2^-53 grid.
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

} // namespace stackfall
