// SPDX-License-Identifier: GPL-3.0-or-later
// KWin's plasma-shell extension, in the Wayland module.
#include "PlasmaShellBinding.h"
#include "WaylandModule.h"
#include "plasma-shell-client.h"

#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <wayland-client.h>

namespace stackfall {

namespace {

// set_skip_switcher came with version 5; set_skip_taskbar with 2.
constexpr std::uint32_t WantedVersion = 5;
constexpr std::uint32_t SkipTaskbarSince = 2;

void* nativeResource(const char* name, QWindow* window) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (native == nullptr) {
        return nullptr;
    }
    return window != nullptr ? native->nativeResourceForWindow(name, window)
                             : native->nativeResourceForIntegration(name);
}

struct Found {
    wl_registry* registry = nullptr;
    org_kde_plasma_shell* shell = nullptr;
    std::uint32_t version = 0;
};

void announced(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
               std::uint32_t version) {
    auto* found = static_cast<Found*>(data);
    if (std::strcmp(interface, org_kde_plasma_shell_interface.name) == 0 &&
        found->shell == nullptr) {
        found->version = std::min(version, WantedVersion);
        found->shell = static_cast<org_kde_plasma_shell*>(
            wl_registry_bind(registry, name, &org_kde_plasma_shell_interface, found->version));
    }
}

void removed(void*, wl_registry*, std::uint32_t) {
}

constexpr wl_registry_listener RegistryListener{announced, removed};

constexpr QLatin1StringView SurfaceName("plasma surface");

// The extension's object for one surface, destroyed with the window.
class PlasmaSurface final : public QObject {
public:
    PlasmaSurface(org_kde_plasma_surface* surface, QObject& window)
        : QObject(&window), surface_(surface) {
        setObjectName(SurfaceName);
    }
    ~PlasmaSurface() override { org_kde_plasma_surface_destroy(surface_); }
    PlasmaSurface(const PlasmaSurface&) = delete;
    PlasmaSurface& operator=(const PlasmaSurface&) = delete;

private:
    org_kde_plasma_surface* surface_;
};

class KwinPlasmaShell final : public PlasmaShell {
public:
    KwinPlasmaShell(org_kde_plasma_shell* shell, std::uint32_t version)
        : shell_(shell), version_(version) {}
    ~KwinPlasmaShell() override { org_kde_plasma_shell_destroy(shell_); }
    KwinPlasmaShell(const KwinPlasmaShell&) = delete;
    KwinPlasmaShell& operator=(const KwinPlasmaShell&) = delete;

    void skipWindowLists(QWidget& window) override;

private:
    org_kde_plasma_shell* shell_;
    std::uint32_t version_;
};

} // namespace

PlasmaShell* bindKwinPlasmaShell() {
    auto* display = static_cast<wl_display*>(nativeResource("wl_display", nullptr));
    if (display == nullptr) {
        return nullptr;
    }
    // Qt reads and dispatches its connection on its own threads and queue: the
    // registry is asked on a queue of the game's own, which only this
    // round trip dispatches.
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
    Found found;
    found.registry = wl_display_get_registry(wrapper);
    wl_registry_add_listener(found.registry, &RegistryListener, &found);
    wl_display_roundtrip_queue(display, queue);
    wl_registry_destroy(found.registry);
    wl_proxy_wrapper_destroy(wrapper);
    if (found.shell != nullptr) {
        // The shell sends no events; its requests need no queue of ours.
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(found.shell), nullptr);
    }
    wl_event_queue_destroy(queue);
    if (found.shell == nullptr || found.version < SkipTaskbarSince) {
        if (found.shell != nullptr) {
            org_kde_plasma_shell_destroy(found.shell);
        }
        return nullptr;
    }
    // Owned by the executable from here on.
    return new KwinPlasmaShell(found.shell, found.version);
}

void KwinPlasmaShell::skipWindowLists(QWidget& window) {
    QWindow* handle = window.windowHandle();
    auto* surface = static_cast<wl_surface*>(nativeResource("surface", handle));
    if (surface == nullptr) {
        return;
    }
    // A surface has at most one plasma surface: the one of an earlier showing
    // goes first.
    delete window.findChild<QObject*>(SurfaceName, Qt::FindDirectChildrenOnly);
    org_kde_plasma_surface* plasmaSurface = org_kde_plasma_shell_get_surface(shell_, surface);
    org_kde_plasma_surface_set_skip_taskbar(plasmaSurface, 1);
    if (version_ >= WantedVersion) {
        org_kde_plasma_surface_set_skip_switcher(plasmaSurface, 1);
    }
    new PlasmaSurface(plasmaSurface, window);
    // Sent now, before the window's first frame maps it.
    wl_display_flush(static_cast<wl_display*>(nativeResource("wl_display", nullptr)));
}

} // namespace stackfall
