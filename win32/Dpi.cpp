// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dpi.h"

#include "GdiObject.h"

namespace stackfall {

namespace {

// A function of user32 that older Windows lack; null there.
template <typename Function>
Function user32(const char* name) {
    // Through a function type of no arguments, which the compiler takes as
    // "any function": the signature is Windows' own.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

int systemDpi() {
    const MeasuringDc dc;
    const int dpi = GetDeviceCaps(dc.get(), LOGPIXELSY);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int dpiOf(HWND window) {
    if (const auto forWindow = user32<UINT(WINAPI*)(HWND)>("GetDpiForWindow")) {
        if (const UINT dpi = forWindow(window); dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return systemDpi();
}

SIZE frameSize(Size client, DWORD style, int dpi) {
    const Scale scale{dpi};
    RECT frame{0, 0, scale.px(client.width), scale.px(client.height)};
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    if (const auto adjust = user32<AdjustForDpi>("AdjustWindowRectExForDpi")) {
        adjust(&frame, style, FALSE, 0, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&frame, style, FALSE, 0);
    }
    return {widthOf(frame), heightOf(frame)};
}

int iconSide(int metric, int dpi) {
    if (const auto forDpi = user32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi")) {
        return forDpi(metric, static_cast<UINT>(dpi));
    }
    return GetSystemMetrics(metric);
}

void centreOn(HWND window, HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT frame{};
    if (GetMonitorInfoW(monitor, &info) == FALSE || GetWindowRect(window, &frame) == FALSE) {
        return;
    }
    const RECT& area = info.rcWork;
    SetWindowPos(window, nullptr, area.left + (widthOf(area) - widthOf(frame)) / 2,
                 area.top + (heightOf(area) - heightOf(frame)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace stackfall
