// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>

// The main window's controls that take the keyboard focus, in their tab
// order. The window opens with the focus on the first.
namespace stackfall::focus {

enum class Control { ClockPanel, ScorePanel, LevelBar, FocusKeeper };

inline constexpr std::array<Control, 4> TabOrder{Control::ClockPanel, Control::ScorePanel,
                                                 Control::LevelBar, Control::FocusKeeper};

// Where Tab, or Shift+Tab when `backwards`, moves the focus from `from`,
// round the order; from none of the controls, to the first.
[[nodiscard]] constexpr Control next(std::optional<Control> from, bool backwards) {
    const std::size_t step = backwards ? TabOrder.size() - 1 : 1;
    for (std::size_t i = 0; i < TabOrder.size(); ++i) {
        if (TabOrder[i] == from) {
            return TabOrder[(i + step) % TabOrder.size()];
        }
    }
    return TabOrder.front();
}

} // namespace stackfall::focus
