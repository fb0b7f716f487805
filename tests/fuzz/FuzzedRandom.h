// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"
#include "SplitMix64.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace stackfall::fuzz {

// Hands out the values the fuzzer queued, any double at all; with none
// queued, a fixed sequence, so that one input always plays the same game.
class FuzzedRandom final : public RandomSource {
public:
    void push(double value) {
        if (count_ < queue_.size()) {
            queue_[(head_ + count_++) % queue_.size()] = value;
        }
    }

    void reseedFromClock() override { ++reseeds; }

    [[nodiscard]] double next() override {
        ++draws;
        if (count_ > 0) {
            const double value = queue_[head_];
            head_ = (head_ + 1) % queue_.size();
            --count_;
            return value;
        }
        return splitMix64(state_);
    }

    std::int64_t draws = 0;
    std::int64_t reseeds = 0;

private:
    std::array<double, 16> queue_{};
    std::size_t head_ = 0;
    std::size_t count_ = 0;
    std::uint64_t state_ = 0;
};

} // namespace stackfall::fuzz
