// SPDX-License-Identifier: GPL-3.0-or-later
#include "LevelBar.h"

#include "Failure.h"
#include "Levels.h"

#include <algorithm>

namespace stackfall {

LevelBar::LevelBar(HINSTANCE instance, HWND parent)
    : hwnd_(checked(CreateWindowExW(0, L"SCROLLBAR", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT, 0, 0, 0, 0,
                                    parent, nullptr, instance, nullptr),
                    "Could not create the level bar.")) {
    SetScrollRange(hwnd_, SB_CTL, 1, levels::Count, FALSE);
    SetScrollPos(hwnd_, SB_CTL, 1, TRUE);
}

int LevelBar::value() const {
    return GetScrollPos(hwnd_, SB_CTL);
}

std::optional<int> LevelBar::scrolled(WORD request, WORD thumb) {
    const int now = value();
    int next = now;
    switch (request) {
    case SB_LINEUP:
    case SB_PAGEUP:
        next = now - 1;
        break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        next = now + 1;
        break;
    case SB_TOP:
        next = 1;
        break;
    case SB_BOTTOM:
        next = levels::Count;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        next = thumb;
        break;
    default:
        return std::nullopt;
    }
    next = std::clamp(next, 1, levels::Count);
    if (next == now) {
        return std::nullopt;
    }
    SetScrollPos(hwnd_, SB_CTL, next, TRUE);
    return next;
}

} // namespace stackfall
