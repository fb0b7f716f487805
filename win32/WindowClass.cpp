// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowClass.h"

namespace stackfall {

bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style,
                         ClassIcons (*icons)(HINSTANCE)) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, name, &windowClass) != FALSE) {
        return true;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    if (icons != nullptr) {
        const ClassIcons loaded = icons(instance);
        windowClass.hIcon = loaded.large;
        windowClass.hIconSm = loaded.small;
    }
    return RegisterClassExW(&windowClass) != 0;
}

} // namespace stackfall
