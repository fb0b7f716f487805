// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colour.h"

#include <cstdint>

namespace stackfall {

// The code each playfield cell holds.
enum class Cell : std::uint8_t { Empty = 0, Settled = 1, Falling = 2 };

[[nodiscard]] constexpr Rgb fillOf(Cell state) {
    switch (state) {
    case Cell::Empty:
        return colour::EmptyCell;
    case Cell::Settled:
        return colour::SettledBlock;
    case Cell::Falling:
        return colour::FallingBlock;
    }
    return colour::EmptyCell;
}

} // namespace stackfall
