// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Rect.h"

#include <windows.h>

namespace stackfall {

// Logical pixels, as the layout gives them, to the screen's pixels at its
// dots per inch (96 at 100 %). Edges are scaled rather than sizes, so that
// neighbouring squares still share their outline at 150 %.
struct Scale {
    int dpi = USER_DEFAULT_SCREEN_DPI;

    [[nodiscard]] constexpr int px(int logical) const {
        const int scaled = logical * dpi;
        return scaled >= 0 ? (scaled + 48) / 96 : -((-scaled + 48) / 96);
    }
    [[nodiscard]] constexpr RECT rect(const Rect& r) const {
        return {px(r.x), px(r.y), px(r.right()), px(r.bottom())};
    }
    [[nodiscard]] constexpr bool sharp() const { return dpi > USER_DEFAULT_SCREEN_DPI; }
};

[[nodiscard]] inline int widthOf(const RECT& r) {
    return r.right - r.left;
}
[[nodiscard]] inline int heightOf(const RECT& r) {
    return r.bottom - r.top;
}

// Moves the child window `control` to `r` (logical pixels) at `scale`,
// unless it is there already: under wine each move goes to its server.
inline void place(HWND control, const Rect& r, const Scale& scale) {
    const RECT device = scale.rect(r);
    RECT now{};
    GetWindowRect(control, &now);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&now), 2);
    if (EqualRect(&now, &device) != FALSE) {
        return;
    }
    SetWindowPos(control, nullptr, device.left, device.top, widthOf(device), heightOf(device),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace stackfall
