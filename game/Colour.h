// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace stackfall {

// A 24-bit colour as 0xRRGGBB.
using Rgb = std::uint32_t;

[[nodiscard]] constexpr Rgb rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (Rgb{r} << 16) | (Rgb{g} << 8) | Rgb{b};
}
[[nodiscard]] constexpr std::uint8_t red(Rgb c) {
    return static_cast<std::uint8_t>(c >> 16);
}
[[nodiscard]] constexpr std::uint8_t green(Rgb c) {
    return static_cast<std::uint8_t>(c >> 8);
}
[[nodiscard]] constexpr std::uint8_t blue(Rgb c) {
    return static_cast<std::uint8_t>(c);
}

namespace colour {
inline constexpr Rgb EmptyCell = rgb(255, 255, 255);  // white
inline constexpr Rgb FallingBlock = rgb(0, 0, 255);   // blue
inline constexpr Rgb SettledBlock = rgb(0, 0, 192);   // dark blue
inline constexpr Rgb CellOutline = SettledBlock;      // every cell's outline after load
inline constexpr Rgb Border = rgb(192, 192, 192);     // the ring around the field
inline constexpr Rgb PreviewLit = rgb(192, 192, 192); // a block of the next piece
inline constexpr Rgb PreviewUnlit = rgb(255, 255, 255);
} // namespace colour

} // namespace stackfall
