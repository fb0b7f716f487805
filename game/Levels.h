// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace stackfall::levels {

// A level as the level bar offers it: the name the window shows and the
// gravity period in milliseconds.
struct Level {
    std::string_view name;
    int gravityPeriod;
};

// Levels 1 to 3, the level bar's values; level n is Levels[n - 1].
inline constexpr std::array<Level, 3> Levels{{{"Easy", 500}, {"Mid", 150}, {"Hard", 50}}};
inline constexpr int Count = static_cast<int>(Levels.size());

[[nodiscard]] constexpr const Level& level(int n) {
    return Levels[static_cast<std::size_t>(n - 1)];
}

} // namespace stackfall::levels
