// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QWidget;

namespace stackfall {

class PlasmaShell;

// Keeps the picture windows out of the taskbar, the pager and the window
// switcher, by what each window system lets a program say of its windows:
// on X11 (GNOME's XWayland included) the window's state hints, before it
// maps; on KWin's Wayland a plasma-shell surface for each surface Qt shows
// it with. Other Wayland compositors offer no way to say it (xdg-shell
// knows only parents, and a picture has none): there the pictures are listed.
class WindowLists {
public:
    WindowLists();
    ~WindowLists();
    WindowLists(const WindowLists&) = delete;
    WindowLists& operator=(const WindowLists&) = delete;

    // Before `window` shows, while it is not mapped.
    void beforeShow(QWidget& window);
    // Right after it shows, before it first paints.
    void afterShow(QWidget& window);

private:
    // Bound at the first picture shown on Wayland, so the game's start pays
    // nothing for it.
    std::unique_ptr<PlasmaShell> plasmaShell_;
    bool plasmaShellSought_ = false;
};

} // namespace stackfall
