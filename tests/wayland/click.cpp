// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks the left button at a point of a headless compositor's screen, as a
// player's mouse would: the compositor's seat has no pointer of its own, so
// this brings a virtual one for the length of the click (wlroots' virtual
// pointer on sway, KWin's fake input on KWin, which grants it only under
// KWIN_WAYLAND_NO_PERMISSION_CHECKS=1).
// Usage: wayland_click <x> <y> <screen width> <screen height>
#include "fake-input-client.h"
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
    org_kde_kwin_fake_input* fakeInput = nullptr;
};

// Absolute motion came with version 3.
constexpr std::uint32_t FakeInputVersion = 3;

void announced(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
               std::uint32_t version) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == nullptr) {
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        globals->pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    } else if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 &&
               version >= FakeInputVersion) {
        globals->fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, FakeInputVersion));
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

void clickThroughFakeInput(wl_display* display, org_kde_kwin_fake_input* input, std::uint32_t x,
                           std::uint32_t y) {
    org_kde_kwin_fake_input_authenticate(input, "wayland_click", "a test's clicks");
    org_kde_kwin_fake_input_pointer_motion_absolute(input, wl_fixed_from_int(static_cast<int>(x)),
                                                    wl_fixed_from_int(static_cast<int>(y)));
    settle(display);
    org_kde_kwin_fake_input_button(input, LeftButton, WL_POINTER_BUTTON_STATE_PRESSED);
    settle(display);
    org_kde_kwin_fake_input_button(input, LeftButton, WL_POINTER_BUTTON_STATE_RELEASED);
    settle(display);
}

void clickThroughVirtualPointer(wl_display* display, const Globals& globals,
                                const std::uint32_t (&args)[4]) {
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
    const bool clicked = globals.pointers != nullptr || globals.fakeInput != nullptr;
    if (globals.pointers != nullptr) {
        clickThroughVirtualPointer(display, globals, args);
    } else if (globals.fakeInput != nullptr) {
        clickThroughFakeInput(display, globals.fakeInput, args[0], args[1]);
        org_kde_kwin_fake_input_destroy(globals.fakeInput);
    } else {
        std::fputs("wayland_click: the compositor offers no virtual pointer\n", stderr);
    }
    if (globals.seat != nullptr) {
        wl_seat_destroy(globals.seat);
    }
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return clicked ? 0 : 1;
}
