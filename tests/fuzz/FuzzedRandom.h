#pragma once

#include "RandomSource.h"

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
        // SplitMix64, top 53 bits.
        state_ += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
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
