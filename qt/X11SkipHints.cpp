// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11SkipHints.h"

#include <QGuiApplication>
#include <QWidget>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <xcb/xcb.h>

namespace stackfall {

namespace {

// Sent together, answered in one round trip.
template <std::size_t N>
std::array<xcb_atom_t, N> atoms(xcb_connection_t* connection,
                                const std::array<std::string_view, N>& names) {
    std::array<xcb_intern_atom_cookie_t, N> cookies{};
    for (std::size_t i = 0; i < N; ++i) {
        cookies[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(names[i].size()),
                                     names[i].data());
    }
    std::array<xcb_atom_t, N> result{};
    for (std::size_t i = 0; i < N; ++i) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
        result[i] = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply); // xcb's replies are malloc'd
    }
    return result;
}

} // namespace

void setSkipTaskbarAndPager(QWidget& window) {
    // Qt's offscreen platform answers as an X11 application too, with no
    // connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        x11->connection() == nullptr || window.isVisible()) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId()); // made now, not yet mapped
    const auto [state, skipTaskbar, skipPager] = atoms<3>(
        connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE || skipPager == XCB_ATOM_NONE) {
        return;
    }
    const std::array<xcb_atom_t, 2> skip{skipTaskbar, skipPager};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        skip.size(), skip.data());
}

} // namespace stackfall
