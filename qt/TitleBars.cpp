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

// Qt tries Wayland first, unless told otherwise, where either says so.
bool onWayland() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty()) {
        return platform.startsWith("wayland");
    }
    return qgetenv("XDG_SESSION_TYPE") == "wayland" || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

#ifdef STACKFALL_WAYLAND_PROBE
// Whether the compositor offers to draw the windows' title bars itself: a
// short connection of its own, before Qt makes its one.
bool compositorDrawsTitleBars() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return false;
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
    return offered;
}
#else
bool compositorDrawsTitleBars() {
    return false;
}
#endif

} // namespace

void leaveTitleBarsToCompositor() {
    if (onWayland() && !qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION") &&
        compositorDrawsTitleBars()) {
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
    }
}

} // namespace stackfall
