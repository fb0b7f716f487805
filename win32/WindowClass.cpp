// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowClass.h"

namespace stackfall {

void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style,
                         HICON icon, HICON smallIcon) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, name, &windowClass) != FALSE) {
        return;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

} // namespace stackfall
