// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

namespace stackfall {

// The program's icon on a window's title bar and in the taskbar, large and
// small, at the window's scale: taken again from the icon's sizes whenever
// the scale changes.
class WindowIcon {
public:
    WindowIcon() = default;
    ~WindowIcon();
    WindowIcon(const WindowIcon&) = delete;
    WindowIcon& operator=(const WindowIcon&) = delete;

    void set(HINSTANCE instance, HWND window, int dpi);

private:
    HICON large_ = nullptr;
    HICON small_ = nullptr;
};

} // namespace stackfall
