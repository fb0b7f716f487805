// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusKeeper.h"

#include "Captions.h"
#include "Failure.h"
#include "Scale.h"
#include "Text.h"

namespace stackfall {

namespace {

// The focus keeper never shows a caret: nobody sees it, and a blinking caret
// would wake the program twice a second with no game on. Its original
// procedure is kept with it.
LRESULT CALLBACK withoutCaret(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
        return 0;
    }
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

} // namespace

HWND createFocusKeeper(HINSTANCE instance, HWND parent, const RECT& at) {
    const HWND keeper = checked(
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", wide(captions::FocusKeeperText).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, at.left,
                        at.top, widthOf(at), heightOf(at), parent, nullptr, instance, nullptr),
        "Could not create the focus keeper.");
    SetWindowLongPtrW(keeper, GWLP_USERDATA, GetWindowLongPtrW(keeper, GWLP_WNDPROC));
    SetWindowLongPtrW(keeper, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(withoutCaret));
    return keeper;
}

} // namespace stackfall
