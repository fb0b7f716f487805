// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusOrder.h"

#include <algorithm>
#include <optional>

namespace stackfall {

FocusOrder::FocusOrder(const std::array<HWND, focus::TabOrder.size()>& controls)
    : controls_(controls), restore_(control(focus::TabOrder.front())) {
}

HWND FocusOrder::control(focus::Control c) const {
    return controls_[static_cast<std::size_t>(c)];
}

bool FocusOrder::owns(HWND window) const {
    return window != nullptr &&
           std::find(controls_.begin(), controls_.end(), window) != controls_.end();
}

void FocusOrder::tab(bool backwards) const {
    const HWND focused = GetFocus();
    std::optional<focus::Control> from;
    for (const focus::Control c : focus::TabOrder) {
        if (control(c) == focused) {
            from = c;
        }
    }
    SetFocus(control(focus::next(from, backwards)));
}

void FocusOrder::deactivated() {
    if (const HWND focused = GetFocus(); owns(focused)) {
        restore_ = focused;
    }
}

void FocusOrder::activated() const {
    SetFocus(restore_);
}

} // namespace stackfall
