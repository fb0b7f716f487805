// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureWindow.h"

#include "Dpi.h"
#include "Failure.h"
#include "PictureStore.h"
#include "Text.h"
#include "WindowClass.h"

#include <utility>

namespace stackfall {

namespace {

constexpr wchar_t ClassName[] = L"StackfallPictureWindow";

} // namespace

PictureWindow::PictureWindow(HINSTANCE instance, PictureStore& pictures,
                             const windows::PictureWindowLook& look, HWND beside,
                             std::function<void()> closed)
    : pictures_(pictures), look_(look), closed_(std::move(closed)) {
    if (!registerWindowClass(instance, ClassName, windowProcOf<PictureWindow>)) {
        failed("Could not register the picture windows' class.");
    }
    // A tool window with no owner: no frame, no icon, no taskbar button.
    hwnd_ = checked(CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, wide(look.title).c_str(), WS_POPUP,
                                    0, 0, 0, 0, nullptr, nullptr, instance, this),
                    &look == &windows::GameOver ? "Could not create the game-over window."
                                                : "Could not create the about box.");
    place(dpiOf(hwnd_), MonitorFromWindow(beside, MONITOR_DEFAULTTOPRIMARY));
}

void PictureWindow::place(int dpi, HMONITOR monitor) {
    scale_.dpi = dpi;
    SetWindowPos(hwnd_, nullptr, 0, 0, scale_.px(look_.size.width), scale_.px(look_.size.height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    centreOn(hwnd_, monitor);
}

PictureWindow::~PictureWindow() {
    if (hwnd_ != nullptr) {
        closed_ = nullptr;
        DestroyWindow(hwnd_);
    }
}

void PictureWindow::show() {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

LRESULT PictureWindow::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        // The margins right of and below the picture show the button face.
        FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        pictures_.draw(dc, look_.picture, 0, 0, scale_);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    // Any button, anywhere in the window, picture or margin; a press and a
    // release in the window.
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        pressed_ = true;
        SetCapture(hwnd);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const bool pressed = std::exchange(pressed_, false);
        ReleaseCapture();
        RECT client{};
        GetClientRect(hwnd, &client);
        const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (pressed && PtInRect(&client, p) != FALSE) {
            DestroyWindow(hwnd); // this object may be gone when it returns
        }
        return 0;
    }
    // Moved to a screen of another scale: the picture at that scale, centred
    // on the screen it is moving to.
    case WM_DPICHANGED:
        place(HIWORD(wParam),
              MonitorFromRect(reinterpret_cast<const RECT*>(lParam), MONITOR_DEFAULTTONEAREST));
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        if (closed_) {
            std::exchange(closed_, nullptr)();
        }
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace stackfall
