// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks the left button at a point of a headless compositor's screen, as a
// player's mouse would: the compositor's seat has no pointer of its own, so
// this brings a virtual one for the length of the click.
// Usage: wayland_click <x> <y> <screen width> <screen height>
#include "virtual-pointer-client.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <wayland-client.h>

namespace {

constexpr std::uint32_t LeftButton = 0x110; // BTN_LEFT in the kernel's numbering

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* pointers = nullptr;
};

void announced(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
               std::uint32_t) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == nullptr) {
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        globals->pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
}

void removed(void*, wl_registry*, std::uint32_t) {
}

constexpr wl_registry_listener RegistryListener{announced, removed};

std::uint32_t nowMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

// Sends what is queued and lets the compositor and its clients act on it.
void settle(wl_display* display) {
    wl_display_roundtrip(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fputs("usage: wayland_click <x> <y> <screen width> <screen height>\n", stderr);
        return 2;
    }
    std::uint32_t args[4];
    for (int i = 0; i < 4; ++i) {
        args[i] = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
    }
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fputs("wayland_click: no Wayland display\n", stderr);
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &RegistryListener, &globals);
    wl_display_roundtrip(display);
    if (globals.pointers == nullptr) {
        std::fputs("wayland_click: the compositor offers no virtual pointer\n", stderr);
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.pointers, globals.seat);
    settle(display);
    zwlr_virtual_pointer_v1_motion_absolute(pointer, nowMs(), args[0], args[1], args[2], args[3]);
    zwlr_virtual_pointer_v1_frame(pointer);
    settle(display);
    zwlr_virtual_pointer_v1_button(pointer, nowMs(), LeftButton, WL_POINTER_BUTTON_STATE_PRESSED);
    zwlr_virtual_pointer_v1_frame(pointer);
    settle(display);
    zwlr_virtual_pointer_v1_button(pointer, nowMs(), LeftButton, WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(pointer);
    settle(display);
    // The protocol subset above has no destroy request: the pointer goes
    // with the connection, and only the client's proxies are freed.
    wl_proxy_destroy(reinterpret_cast<wl_proxy*>(pointer));
    wl_proxy_destroy(reinterpret_cast<wl_proxy*>(globals.pointers));
    if (globals.seat != nullptr) {
        wl_seat_destroy(globals.seat);
    }
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return 0;
}
