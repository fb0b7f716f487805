// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

namespace stackfall::testing {

// Plays back a fixed list of values, then repeats the last one. Reseeds are
// counted, not acted on.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}

    // Values that draw exactly these piece types, in order.
    static ScriptedRandom ofTypes(std::initializer_list<int> types);
    void pushType(int type);

    void reseedFromClock() override { ++reseeds; }
    [[nodiscard]] double next() override;

    int reseeds = 0;
    int draws = 0;

private:
    std::vector<double> values_;
    std::size_t at_ = 0;
};

// A seeded generator for long self-play runs: the same seed plays the same
// games.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    void reseedFromClock() override {}
    [[nodiscard]] double next() override { return std::generate_canonical<double, 53>(engine_); }

private:
    std::mt19937_64 engine_;
};

} // namespace stackfall::testing
