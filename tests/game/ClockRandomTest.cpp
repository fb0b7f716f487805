// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockRandom.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace stackfall::testing {
namespace {

// The game reseeds from the clock before every draw, often twice within one
// clock tick: the draws must still spread evenly over the nine types.
TEST(ClockRandomTest, ReseededDrawsStayInRangeAndCoverEveryTypeEvenly) {
    ClockRandom random;
    std::array<int, 9> types{};
    std::set<double> seen;
    for (int i = 0; i < 9000; ++i) {
        random.reseedFromClock();
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        seen.insert(r);
        ++types[static_cast<std::size_t>(r * 9)];
    }
    EXPECT_GT(seen.size(), 8990u);
    for (std::size_t t = 0; t < types.size(); ++t) {
        EXPECT_GT(types[t], 800) << "type " << t + 1;
        EXPECT_LT(types[t], 1200) << "type " << t + 1;
    }
}

} // namespace
} // namespace stackfall::testing
