#pragma once

#include <cstdint>

namespace stackfall::key {

// Virtual-key codes of the game keys; every other code does nothing.
inline constexpr std::int16_t Left = 37;
inline constexpr std::int16_t Up = 38;
inline constexpr std::int16_t Right = 39;
inline constexpr std::int16_t Down = 40;
inline constexpr std::int16_t F3 = 114;

} // namespace stackfall::key
