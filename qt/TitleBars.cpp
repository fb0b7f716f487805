// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleBars.h"

#include "WaylandModule.h"

#include <QByteArray>
#include <QtGlobal>

namespace stackfall {

namespace {

#ifdef STACKFALL_WAYLAND_MODULE
Compositor probeCompositor() {
    const WaylandCalls* calls = waylandModule();
    return calls != nullptr ? calls->probeCompositor() : Compositor::Unreached;
}
#else
// Only the Linux build speaks Wayland.
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
