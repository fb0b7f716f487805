// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Scale.h"
#include "TopWindows.h"

#include <functional>
#include <windows.h>

namespace stackfall {

class PictureStore;

// A borderless window that shows one picture at its top left corner and
// closes when it is clicked: the game-over picture and the about box. It
// stays out of the taskbar and shows centred on the screen of `beside`, at
// that screen's scale, and follows a move to a screen of another scale.
class PictureWindow {
public:
    PictureWindow(HINSTANCE instance, PictureStore& pictures,
                  const windows::PictureWindowLook& look, HWND beside,
                  std::function<void()> closed);
    ~PictureWindow();
    PictureWindow(const PictureWindow&) = delete;
    PictureWindow& operator=(const PictureWindow&) = delete;

    // Shows the window, or brings it forward when it is open.
    void show();
    [[nodiscard]] HWND handle() const { return hwnd_; }

    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Sizes the window for `dpi` and centres it on `monitor`'s work area.
    void place(int dpi, HMONITOR monitor);

    PictureStore& pictures_;
    const windows::PictureWindowLook& look_;
    Scale scale_;
    HWND hwnd_ = nullptr;
    bool pressed_ = false;
    std::function<void()> closed_;
};

} // namespace stackfall
