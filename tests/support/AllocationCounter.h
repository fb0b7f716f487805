// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace stackfall::testing {

// The number of heap allocations made so far by this program; the benchmark
// executable replaces the global operator new to count them.
[[nodiscard]] std::uint64_t allocations();

} // namespace stackfall::testing
