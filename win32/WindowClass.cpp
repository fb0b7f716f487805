// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowClass.h"

namespace stackfall {

bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style) {
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
    return RegisterClassExW(&windowClass) != 0;
}

} // namespace stackfall
