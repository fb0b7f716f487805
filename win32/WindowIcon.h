// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowClass.h"

#include <windows.h>

namespace stackfall {

// The program's icon on a window's title bar and in the taskbar, large and
// small, at the window's scale. The window's class carries it at the
// session's scale, the one a window most likely opens at; a window at
// another scale gets its own, taken again from the icon's sizes whenever the
// scale changes. Each icon a window is given costs wine a conversion for the
// X server before the first paint, so none is given while the class's icons
// fit the window's scale.
class WindowIcon {
public:
    WindowIcon() = default;
    ~WindowIcon();
    WindowIcon(const WindowIcon&) = delete;
    WindowIcon& operator=(const WindowIcon&) = delete;

    // The class's icons, at the session's scale; they last as long as the
    // process.
    [[nodiscard]] static ClassIcons forClass(HINSTANCE instance);

    void set(HINSTANCE instance, HWND window, int dpi);

private:
    HICON large_ = nullptr;
    HICON small_ = nullptr;
};

} // namespace stackfall
