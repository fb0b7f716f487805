// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

namespace stackfall {

// The window procedure of a class of windows that each belong to one object
// of type T: the object is passed as the creation parameter, kept with the
// window, and its `handle(hwnd, message, wParam, lParam)` gets the window's
// messages from then on, WM_NCDESTROY last.
template <typename T>
LRESULT CALLBACK windowProcOf(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    return self->handle(hwnd, message, wParam, lParam);
}

// The icons a class of windows shows where a window has none of its own.
struct ClassIcons {
    HICON large = nullptr;
    HICON small = nullptr;
};

// Registers a class of windows for `procedure`, once: a second call finds it.
// `icons`, if given, is called only when the class is registered. False when
// Windows refuses it.
[[nodiscard]] bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                                       UINT style = 0, ClassIcons (*icons)(HINSTANCE) = nullptr);

} // namespace stackfall
