// SPDX-License-Identifier: GPL-3.0-or-later
// Lists the windows a headless KWin tells its task manager about, one a line
// from the bottom of the stack to the top: title, x, y, width, height, then
// the states of interest ("active", "skiptaskbar", "skipswitcher",
// "maximizable", comma-separated, or "-"), and the process id. The data is
// KWin's window-management protocol, which KWin hands only to trusted
// clients, or to any under KWIN_WAYLAND_NO_PERMISSION_CHECKS=1.
// Usage: plasma_windows
#include "plasma-window-management-client.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>
#include <wayland-client.h>

namespace {

struct PlasmaWindow {
    std::string title;
    std::int32_t x = 0, y = 0;
    std::uint32_t width = 0, height = 0, state = 0, pid = 0;
    bool complete = false;
    org_kde_plasma_window* proxy = nullptr;
};

struct Listing {
    org_kde_plasma_window_management* manager = nullptr;
    std::map<std::string, std::unique_ptr<PlasmaWindow>> windows; // by uuid
    std::vector<std::string> stacking;                            // uuids, bottom first
};

// One function for every event of a window: only a few are of interest.
int windowEvent(const void*, void* target, std::uint32_t, const wl_message* message,
                wl_argument* args) {
    auto* window =
        static_cast<PlasmaWindow*>(wl_proxy_get_user_data(static_cast<wl_proxy*>(target)));
    const std::string name = message->name;
    if (name == "title_changed") {
        window->title = args[0].s;
    } else if (name == "state_changed") {
        window->state = args[0].u;
    } else if (name == "geometry") {
        window->x = args[0].i;
        window->y = args[1].i;
        window->width = args[2].u;
        window->height = args[3].u;
    } else if (name == "pid_changed") {
        window->pid = args[0].u;
    } else if (name == "initial_state") {
        window->complete = true;
    }
    return 0;
}

int managerEvent(const void*, void* target, std::uint32_t, const wl_message* message,
                 wl_argument* args) {
    auto* listing = static_cast<Listing*>(wl_proxy_get_user_data(static_cast<wl_proxy*>(target)));
    const std::string name = message->name;
    if (name == "window_with_uuid") {
        const std::string uuid = args[1].s;
        auto& window = listing->windows[uuid];
        window = std::make_unique<PlasmaWindow>();
        window->proxy =
            org_kde_plasma_window_management_get_window_by_uuid(listing->manager, uuid.c_str());
        wl_proxy_add_dispatcher(reinterpret_cast<wl_proxy*>(window->proxy), windowEvent, nullptr,
                                window.get());
    } else if (name == "stacking_order_uuid_changed") {
        listing->stacking.clear();
        std::istringstream uuids(args[0].s);
        for (std::string uuid; std::getline(uuids, uuid, ';');) {
            listing->stacking.push_back(uuid);
        }
    }
    return 0;
}

void announced(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
               std::uint32_t version) {
    auto* listing = static_cast<Listing*>(data);
    if (std::strcmp(interface, org_kde_plasma_window_management_interface.name) == 0 &&
        version >= 13) {
        listing->manager = static_cast<org_kde_plasma_window_management*>(
            wl_registry_bind(registry, name, &org_kde_plasma_window_management_interface, 13));
        wl_proxy_add_dispatcher(reinterpret_cast<wl_proxy*>(listing->manager), managerEvent,
                                nullptr, listing);
    }
}

void removed(void*, wl_registry*, std::uint32_t) {
}

constexpr wl_registry_listener RegistryListener{announced, removed};

std::string states(std::uint32_t state) {
    std::string words;
    for (const auto& [flag, word] :
         {std::pair{ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE, "active"},
          std::pair{ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_SKIPTASKBAR, "skiptaskbar"},
          std::pair{ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_SKIPSWITCHER, "skipswitcher"},
          std::pair{ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MAXIMIZABLE, "maximizable"}}) {
        if ((state & static_cast<std::uint32_t>(flag)) != 0) {
            if (!words.empty()) {
                words += ',';
            }
            words += word;
        }
    }
    return words.empty() ? "-" : words;
}

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fputs("plasma_windows: no Wayland display\n", stderr);
        return 1;
    }
    Listing listing;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &RegistryListener, &listing);
    wl_display_roundtrip(display);
    if (listing.manager == nullptr) {
        std::fputs("plasma_windows: the compositor offers no window management\n", stderr);
        return 1;
    }
    // The windows are announced on the first round trip, their states on the
    // next ones.
    for (int i = 0; i < 10; ++i) {
        wl_display_roundtrip(display);
        bool complete = true;
        for (const auto& [uuid, window] : listing.windows) {
            complete = complete && window->complete;
        }
        if (complete && i > 0) {
            break;
        }
    }
    for (const std::string& uuid : listing.stacking) {
        const auto found = listing.windows.find(uuid);
        if (found == listing.windows.end()) {
            continue;
        }
        const PlasmaWindow& w = *found->second;
        std::printf("%s\t%d\t%d\t%u\t%u\t%s\t%u\n", w.title.c_str(), w.x, w.y, w.width, w.height,
                    states(w.state).c_str(), w.pid);
    }
    for (const auto& [uuid, window] : listing.windows) {
        org_kde_plasma_window_destroy(window->proxy);
    }
    org_kde_plasma_window_management_destroy(listing.manager);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return 0;
}
