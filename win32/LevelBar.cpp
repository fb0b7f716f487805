// SPDX-License-Identifier: GPL-3.0-or-later
#include "LevelBar.h"

#include "Failure.h"
#include "Levels.h"
#include "Scale.h"

#include <algorithm>

namespace stackfall {

LevelBar::LevelBar(HINSTANCE instance, HWND parent, const RECT& at)
    : hwnd_(checked(CreateWindowExW(0, L"SCROLLBAR", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT, at.left, at.top,
                                    widthOf(at), heightOf(at), parent, nullptr, instance, nullptr),
                    "Could not create the level bar.")) {
    SCROLLINFO range{};
    range.cbSize = sizeof range;
    range.fMask = SIF_RANGE | SIF_POS;
    range.nMin = 1;
    range.nMax = levels::Count;
    range.nPos = 1;
    SetScrollInfo(hwnd_, SB_CTL, &range, TRUE);
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
