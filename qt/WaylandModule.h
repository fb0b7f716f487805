// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QWidget;

namespace stackfall {

// The game's Wayland module (stackfall-wayland.so) alone links the Wayland
// client library and KWin's plasma-shell protocol, so that a game on X11
// never loads them. This is what the executable and the module share.

// What a Wayland compositor offers the windows' title bars.
enum class Compositor { Unreached, DrawsTitleBars, LeavesTitleBars };

// KWin's plasma-shell extension on Qt's own Wayland connection: through it a
// window asks to be left out of the task manager and the window switcher,
// which xdg-shell cannot say.
class PlasmaShell {
public:
    PlasmaShell() = default;
    virtual ~PlasmaShell() = default;
    PlasmaShell(const PlasmaShell&) = delete;
    PlasmaShell& operator=(const PlasmaShell&) = delete;

    // For the surface `window` has now; each showing on Wayland brings a new
    // one. The extension's object lives as long as the window.
    virtual void skipWindowLists(QWidget& window) = 0;
};

// The module's calls.
struct WaylandCalls {
    // Whether the compositor offers to draw the windows' title bars itself:
    // a short connection of its own, before Qt makes its one.
    Compositor (*probeCompositor)();
    // The extension, owned by the caller; null where the compositor does not
    // offer it (any compositor but KWin).
    PlasmaShell* (*bindPlasmaShell)();
};
using GetWaylandCalls = const WaylandCalls* (*)();
inline constexpr const char* GetWaylandCallsName = "stackfall_wayland_calls";

// Loads the module, which stays loaded, from beside the executable or from
// the folder it is installed in. Null where it cannot be loaded: the game
// then leaves the title bars to Qt and its picture windows in the lists.
[[nodiscard]] const WaylandCalls* waylandModule();

// Null where the platform is not Wayland or the extension is not offered.
[[nodiscard]] std::unique_ptr<PlasmaShell> bindPlasmaShell();

} // namespace stackfall
