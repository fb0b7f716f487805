#pragma once

#include <Qt>

#include <cstdint>

namespace stackfall {

// The game speaks in the keyboard's virtual-key codes (Left 37, F3 114).
// Keys without one give 0, which no game key uses.
[[nodiscard]] std::int16_t virtualKeyCode(int qtKey);

// Shift 1, Ctrl 2, Alt 4, summed.
[[nodiscard]] std::int16_t shiftState(Qt::KeyboardModifiers modifiers);

} // namespace stackfall
