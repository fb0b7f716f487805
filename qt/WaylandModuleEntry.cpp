// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the Wayland module: the only symbol it exports.
#include "PlasmaShellBinding.h"
#include "WaylandModule.h"

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <wayland-client.h>

// The module is built on Linux only, with hidden symbols by default.
#define STACKFALL_EXPORT __attribute__((visibility("default")))

namespace stackfall {

namespace {

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

constexpr WaylandCalls Calls{probeCompositor, bindKwinPlasmaShell};

} // namespace

} // namespace stackfall

extern "C" STACKFALL_EXPORT const stackfall::WaylandCalls* stackfall_wayland_calls() {
    // The executable's type check: a change of signature fails to compile here.
    static_assert(std::is_same_v<decltype(&stackfall_wayland_calls), stackfall::GetWaylandCalls>);
    return &stackfall::Calls;
}
