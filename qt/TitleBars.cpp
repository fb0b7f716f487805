// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleBars.h"

#include <QByteArray>
#include <QtGlobal>

#ifdef STACKFALL_WAYLAND_PROBE
#include <cstdint>
#include <cstring>
#include <wayland-client.h>
#endif

namespace stackfall {

namespace {

enum class Compositor { Unreached, DrawsTitleBars, LeavesTitleBars };

#ifdef STACKFALL_WAYLAND_PROBE
// Whether the compositor offers to draw the windows' title bars itself: a
// short connection of its own, before Qt makes its one.
Compositor probeCompositor() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return Compositor::Unreached;
    }
    bool offered = false;
    static constexpr wl_registry_listener Listener{
        [](void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) {
                *static_cast<bool*>(data) = true;
            }
        },
        [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &Listener, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered ? Compositor::DrawsTitleBars : Compositor::LeavesTitleBars;
}
#else
Compositor probeCompositor() {
    return Compositor::Unreached;
}
#endif

} // namespace

void chooseWindowSystem() {
    const QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    const bool waylandSession =
        qgetenv("XDG_SESSION_TYPE") == "wayland" || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    // Qt tries Wayland first in a Wayland session, unless the player names
    // another platform.
    if (asked.isEmpty() ? !waylandSession : !asked.startsWith("wayland")) {
        return;
    }
    switch (probeCompositor()) {
    case Compositor::Unreached:
        break;
    case Compositor::DrawsTitleBars:
        if (!qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION")) {
            qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
        }
        break;
    case Compositor::LeavesTitleBars:
        // XWayland is there when the session names its display; should it
        // fail to open, Qt still tries Wayland.
        if (asked.isEmpty() && !qEnvironmentVariableIsEmpty("DISPLAY")) {
            qputenv("QT_QPA_PLATFORM", "xcb;wayland");
        }
        break;
    }
}

} // namespace stackfall
