// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PictureButtons.h"

#include <utility>

namespace stackfall::buttons {

// Turns the left button's presses and releases on the main window into
// clicks on its picture buttons. A click is a press and a release over the
// same button; the second press of a double-click counts for nothing, so
// that a double-click is one click; and a press is forgotten when the window
// loses the mouse (another window takes it, or a question opens mid-press).
class ClickTracker {
public:
    // A press over `button` (None off the buttons). True when it is held
    // over a button: the window then keeps the mouse until the release.
    bool press(PictureButton button) {
        pressed_ = button;
        return pressed_ != PictureButton::None;
    }
    void doubleClick() { pressed_ = PictureButton::None; }
    void cancel() { pressed_ = PictureButton::None; }
    // A release over `button`: the button clicked, or None.
    [[nodiscard]] PictureButton release(PictureButton button) {
        const PictureButton pressed = std::exchange(pressed_, PictureButton::None);
        return button == pressed ? pressed : PictureButton::None;
    }
    [[nodiscard]] bool held() const { return pressed_ != PictureButton::None; }

private:
    PictureButton pressed_ = PictureButton::None;
};

} // namespace stackfall::buttons
