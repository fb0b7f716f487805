// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowIcon.h"

#include "Dpi.h"

#include <utility>

namespace stackfall {

namespace {

HICON load(HINSTANCE instance, int metric, int dpi) {
    const int side = iconSide(metric, dpi);
    return static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
}

void destroy(HICON icon) {
    if (icon != nullptr) {
        DestroyIcon(icon);
    }
}

} // namespace

WindowIcon::~WindowIcon() {
    destroy(large_);
    destroy(small_);
}

ClassIcons WindowIcon::forClass(HINSTANCE instance) {
    const int dpi = systemDpi();
    return {load(instance, SM_CXICON, dpi), load(instance, SM_CXSMICON, dpi)};
}

// The window keeps using the old icons until it has the new ones.
void WindowIcon::set(HINSTANCE instance, HWND window, int dpi) {
    if (large_ == nullptr && small_ == nullptr && dpi == systemDpi()) {
        return; // the class's
    }
    HICON largeIcon = load(instance, SM_CXICON, dpi);
    HICON smallIcon = load(instance, SM_CXSMICON, dpi);
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    destroy(std::exchange(large_, largeIcon));
    destroy(std::exchange(small_, smallIcon));
}

} // namespace stackfall
