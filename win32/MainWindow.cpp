// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "Dpi.h"
#include "Failure.h"
#include "FocusKeeper.h"
#include "Fonts.h"
#include "Game.h"
#include "GamepadInput.h"
#include "Gamepads.h"
#include "Questions.h"
#include "Text.h"
#include "TimerSetting.h"
#include "TopWindows.h"
#include "WindowClass.h"

#include <array>
#include <utility>

namespace stackfall {

namespace {

constexpr wchar_t ClassName[] = L"StackfallMainWindow";
// A fixed single border with close and minimise: no maximise, no resizing.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR GravityTimerId = 1;
constexpr UINT_PTR ClockTimerId = 2;

std::optional<GameKey> gameKeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_LEFT:
        return GameKey::Left;
    case VK_RIGHT:
        return GameKey::Right;
    case VK_UP:
        return GameKey::Turn;
    case VK_DOWN:
        return GameKey::Down;
    case VK_F3:
        return GameKey::Pause;
    default:
        return std::nullopt;
    }
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance, PictureStore& pictures)
    : instance_(instance), surface_(pictures),
      gravityTimer_(GravityTimerId, timers::GravityPeriodAtOpen,
                    "Could not start the gravity timer."),
      clockTimer_(ClockTimerId, timers::ClockPeriod, "Could not start the clock.") {
    // Decoded while the windows are made, and the window made at its size,
    // at the scale they most likely open at, the one of the screen the
    // session started on: the window's own scale is known only once it
    // exists.
    const int likelyDpi = systemDpi();
    surface_.preloadPictures(Scale{likelyDpi});
    if (!registerWindowClass(instance, ClassName, windowProcOf<MainWindow>, CS_DBLCLKS,
                             WindowIcon::forClass)) {
        failed("Could not register the main window's class.");
    }
    const SIZE frame = frameSize(layout::ClientSize, Style, likelyDpi);
    hwnd_ = checked(CreateWindowExW(0, ClassName, wide(windows::MainTitle).c_str(), Style,
                                    CW_USEDEFAULT, CW_USEDEFAULT, frame.cx, frame.cy, nullptr,
                                    nullptr, instance, this),
                    "Could not create the main window.");
    // The controls are made where they go at the window's scale.
    const Scale opening{dpiOf(hwnd_)};
    clockPanel_.emplace(instance, hwnd_, opening.rect(layout::ClockPanel), palette::MidGrey,
                        captions::ClockText, CaptionBox::Fit::SizedToText, true);
    checked(clockPanel_->handle(), "Could not create the clock panel.");
    scorePanel_.emplace(instance, hwnd_, opening.rect(layout::ScorePanel), palette::Black,
                        captions::ScoreText, CaptionBox::Fit::Centred, false);
    checked(scorePanel_->handle(), "Could not create the score panel.");
    levelBar_.emplace(instance, hwnd_, opening.rect(layout::LevelBar));
    focusKeeper_ = createFocusKeeper(instance, hwnd_, opening.rect(layout::FocusKeeper));
    focusOrder_.emplace(std::array{clockPanel_->handle(), scorePanel_->handle(),
                                   levelBar_->handle(), focusKeeper_});
    repaints_.attach(hwnd_);
    gravityTimer_.attach(hwnd_);
    clockTimer_.attach(hwnd_);
    rescale(opening.dpi);
}

MainWindow::~MainWindow() {
    if (hwnd_ != nullptr) {
        closed_ = nullptr;
        DestroyWindow(hwnd_);
    }
}

void MainWindow::attach(Game& game) {
    game_ = &game;
}

// Sizes the window so that its client area is exactly the layout's at
// `dpi`. Where the frame drawn is not the one Windows reports for that scale
// (wine keeps the session's title bar: 18 pixels too tall a client area at
// 200 %), the size is corrected by what the client area came out as. A
// window that has its size already is not resized: under wine each resize
// goes to the X server.
void MainWindow::rescale(int dpi) {
    scale_.dpi = dpi;
    const CaptionFaces faces;
    surface_.rescale(scale_, faces);
    clockPanel_->place(layout::ClockPanel, scale_, faces);
    scorePanel_->place(layout::ScorePanel, scale_, faces);
    place(levelBar_->handle(), layout::LevelBar, scale_);
    place(focusKeeper_, layout::FocusKeeper, scale_);
    icon_.set(instance_, hwnd_, dpi);
    const SIZE frame = frameSize(layout::ClientSize, Style, dpi);
    const auto resize = [this](int width, int height) {
        SetWindowPos(hwnd_, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    RECT now{};
    GetWindowRect(hwnd_, &now);
    if (widthOf(now) != frame.cx || heightOf(now) != frame.cy) {
        resize(frame.cx, frame.cy);
    }
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int wider = scale_.px(layout::ClientSize.width) - widthOf(client);
    const int taller = scale_.px(layout::ClientSize.height) - heightOf(client);
    if (wider != 0 || taller != 0) {
        resize(frame.cx + wider, frame.cy + taller);
    }
    if (IsWindowVisible(hwnd_) != FALSE) { // a window is painted whole when it shows
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void MainWindow::show() {
    centreOn(hwnd_, MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY));
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    focusOrder_->activated();
    UpdateWindow(hwnd_);
}

void MainWindow::stop() {
    game_ = nullptr;
    gravityTimer_.setEnabled(false);
    clockTimer_.setEnabled(false);
}

void MainWindow::invalidate(const Rect& r) {
    repaints_.add(scale_.rect(r));
}

void MainWindow::setPanelText(Label label, std::string_view text) {
    (label == Label::Score ? *scorePanel_ : *clockPanel_).setText(text);
}

GameTimer& MainWindow::timer(Timer which) {
    return which == Timer::Gravity ? gravityTimer_ : clockTimer_;
}

void MainWindow::setFocus(FocusTarget target) {
    SetFocus(target == FocusTarget::MainWindow ? hwnd_ : focusKeeper_);
}

Answer MainWindow::ask(const Question& question) {
    const gamepad::OpenQuestion open(gamepads_, question);
    return askQuestion(hwnd_, question);
}

// With Alt held a key arrives as WM_SYSKEYDOWN. It is passed on all the
// same, so that Alt+F4 still closes the window.
bool MainWindow::keyPressed(const MSG& message) {
    if ((message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) || hwnd_ == nullptr ||
        (message.hwnd != hwnd_ && !focusOrder_->owns(message.hwnd))) {
        return false;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
        focusOrder_->tab(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (const auto key = gameKeyOf(message.wParam); key && game_ != nullptr) {
        game_->keyDown(*key);
    }
    return false; // the control still handles the key: the level bar its arrows
}

buttons::PictureButton MainWindow::buttonAt(LPARAM position) const {
    const POINT p{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    // In device pixels, so that each button takes exactly the pixels its
    // picture covers at any scale.
    for (const buttons::Placed& placed : buttons::All) {
        const RECT device = scale_.rect(placed.rect);
        if (PtInRect(&device, p) != FALSE) {
            return placed.button;
        }
    }
    return buttons::PictureButton::None;
}

void MainWindow::click(buttons::PictureButton button) {
    if (game_ != nullptr) {
        buttons::click(*game_, button);
    }
}

void MainWindow::paint() {
    repaints_.flush(); // a paint sent straight away comes before the flush
    surface_.paintUpdate(hwnd_, model_, std::exchange(painted_, true));
    if (firstPaint_) {
        GdiFlush();
        std::exchange(firstPaint_, nullptr)();
    }
}

LRESULT MainWindow::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (gamepads_ != nullptr && gamepads_->handle(message, wParam)) {
        return 0;
    }
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case RepaintBatch::FlushMessage:
        repaints_.flush();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_TIMER:
        if (game_ != nullptr && gravityTimer_.ticked(wParam)) {
            game_->gravityTick();
        } else if (game_ != nullptr && clockTimer_.ticked(wParam)) {
            game_->clockTick();
        }
        return 0;
    case WM_VSCROLL:
        if (levelBar_ && reinterpret_cast<HWND>(lParam) == levelBar_->handle()) {
            const auto level = levelBar_->scrolled(LOWORD(wParam), HIWORD(wParam));
            if (level && game_ != nullptr) {
                game_->levelChosen(*level);
            }
        }
        return 0;
    // A press on a button keeps the mouse until its release, wherever that
    // is; the mouse taken away before (by another window, or a question's
    // box) forgets the press.
    case WM_LBUTTONDOWN:
        if (clicks_.press(buttonAt(lParam))) {
            SetCapture(hwnd);
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        clicks_.doubleClick();
        return 0;
    case WM_LBUTTONUP: {
        const buttons::PictureButton clicked = clicks_.release(buttonAt(lParam));
        if (GetCapture() == hwnd) {
            ReleaseCapture();
        }
        click(clicked);
        return 0;
    }
    case WM_CAPTURECHANGED:
        clicks_.cancel();
        return 0;
    case WM_CANCELMODE:
        clicks_.cancel();
        break; // which lets the mouse go
    case WM_ACTIVATE:
        // The control that had the focus gets it back with the window.
        if (!focusOrder_) {
            break;
        }
        if (LOWORD(wParam) == WA_INACTIVE) {
            focusOrder_->deactivated();
        } else if (HIWORD(wParam) == 0) { // not minimised
            focusOrder_->activated();
            return 0;
        }
        break;
    // Moved to a screen of another scale. The new scale comes with the
    // message, as the window may not report it yet; the size is the
    // window's own for it, at the place Windows suggests.
    case WM_GETDPISCALEDSIZE:
        *reinterpret_cast<SIZE*>(lParam) =
            frameSize(layout::ClientSize, Style, static_cast<int>(wParam));
        return TRUE;
    case WM_DPICHANGED: {
        const RECT suggested = *reinterpret_cast<const RECT*>(lParam);
        rescale(HIWORD(wParam));
        SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_DESTROY:
        // Closing the window runs no game code; the game just stops with it.
        stop();
        break;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        if (closed_) {
            std::exchange(closed_, nullptr)();
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace stackfall
