// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TabOrder.h"

#include <array>
#include <windows.h>

namespace stackfall {

// The main window's controls that take the keyboard focus. Tab and Shift+Tab
// walk them in the tab order, and the one that had the focus when the window
// lost it gets it back when the window is activated again.
class FocusOrder {
public:
    // The controls by focus::Control.
    explicit FocusOrder(const std::array<HWND, focus::TabOrder.size()>& controls);

    [[nodiscard]] bool owns(HWND window) const;
    // Moves the focus on from the control that has it.
    void tab(bool backwards) const;
    // The window is losing the activation, or has got it back (or opens:
    // the focus then goes to the first control).
    void deactivated();
    void activated() const;

private:
    [[nodiscard]] HWND control(focus::Control c) const;

    std::array<HWND, focus::TabOrder.size()> controls_;
    HWND restore_;
};

} // namespace stackfall
