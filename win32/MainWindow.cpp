// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "Game.h"
#include "Levels.h"
#include "Text.h"
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
constexpr int ClockPeriod = 1000;
// Asks the window to hand the changes gathered since the last one to the
// window system as one update region.
constexpr UINT FlushChangesMessage = WM_APP + 1;

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

// The focus keeper never shows a caret: nobody sees it, and a blinking caret
// would wake the program twice a second with no game on. Its original
// procedure is kept with it.
LRESULT CALLBACK focusKeeperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
        return 0;
    }
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance, PictureStore& pictures)
    : instance_(instance), surface_(pictures), gravityTimer_(GravityTimerId, 0),
      clockTimer_(ClockTimerId, ClockPeriod) {
    const Scale screen = systemScale();
    surface_.preloadPictures(screen);
    icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                          LR_SHARED));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    registerWindowClass(instance, ClassName, windowProcOf<MainWindow>, CS_DBLCLKS, icon_,
                        smallIcon_);
    hwnd_ = CreateWindowExW(0, ClassName, wide(windows::MainTitle).c_str(), Style, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                            this);

    clockPanel_.emplace(instance, hwnd_, palette::MidGrey, captions::ClockText,
                        CaptionBox::Fit::SizedToText, true);
    scorePanel_.emplace(instance, hwnd_, palette::Black, captions::ScoreText,
                        CaptionBox::Fit::Centred, false);

    levelBar_ =
        CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT, 0,
                        0, 0, 0, hwnd_, nullptr, instance, nullptr);
    SetScrollRange(levelBar_, SB_CTL, 1, levels::Count, FALSE);
    SetScrollPos(levelBar_, SB_CTL, 1, TRUE);

    // The focus keeper is a text box right of the client area, never seen. A
    // level change moves the focus to it, so that the level bar does not keep
    // the focus and eat the arrow keys that steer the piece.
    focusKeeper_ =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", wide(captions::FocusKeeperText).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, 0, 0, 0,
                        0, hwnd_, nullptr, instance, nullptr);
    SetWindowLongPtrW(focusKeeper_, GWLP_USERDATA, GetWindowLongPtrW(focusKeeper_, GWLP_WNDPROC));
    SetWindowLongPtrW(focusKeeper_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(focusKeeperProc));

    gravityTimer_.attach(hwnd_);
    clockTimer_.attach(hwnd_);
    restoreFocus_ = clockPanel_->handle();
    rescale(screen.dpi);
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

void MainWindow::rescale(int dpi) {
    scale_.dpi = dpi;
    surface_.rescale(scale_);
    clockPanel_->place(layout::ClockPanel, scale_);
    scorePanel_->place(layout::ScorePanel, scale_);
    for (const auto& [control, r] :
         {std::pair{levelBar_, layout::LevelBar}, std::pair{focusKeeper_, layout::FocusKeeper}}) {
        const RECT device = scale_.rect(r);
        SetWindowPos(control, nullptr, device.left, device.top, widthOf(device), heightOf(device),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame{0, 0, scale_.px(layout::ClientSize.width), scale_.px(layout::ClientSize.height)};
    AdjustWindowRectEx(&frame, Style, FALSE, 0);
    SetWindowPos(hwnd_, nullptr, 0, 0, widthOf(frame), heightOf(frame),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void MainWindow::show() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    SetWindowPos(hwnd_, nullptr, area.left + (widthOf(area) - widthOf(frame)) / 2,
                 area.top + (heightOf(area) - heightOf(frame)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetFocus(restoreFocus_);
    UpdateWindow(hwnd_);
}

void MainWindow::stop() {
    game_ = nullptr;
    gravityTimer_.setEnabled(false);
    clockTimer_.setEnabled(false);
}

// A move or a cleared row changes many cells at once, and each invalidation
// can be a round trip to the window system (under wine, to its server): the
// changed rectangles are gathered in one region, handed over once.
void MainWindow::invalidate(const Rect& r) {
    if (r.width <= 0 || r.height <= 0) {
        return;
    }
    const RECT device = scale_.rect(r);
    if (!changed_) {
        changed_.reset(CreateRectRgnIndirect(&device));
        PostMessageW(hwnd_, FlushChangesMessage, 0, 0);
        return;
    }
    const GdiObject<HRGN> more(CreateRectRgnIndirect(&device));
    CombineRgn(changed_.get(), changed_.get(), more.get(), RGN_OR);
}

void MainWindow::flushChanges() {
    if (changed_) {
        InvalidateRgn(hwnd_, changed_.get(), FALSE);
        changed_.reset();
    }
}

void MainWindow::setCellFill(int cell, Rgb colour) {
    invalidate(surface_.setCellFill(cell, colour));
}

void MainWindow::setCellOutline(int cell, Rgb colour) {
    invalidate(surface_.setCellOutline(cell, colour));
}

void MainWindow::setBorderFill(int segment, Rgb colour) {
    invalidate(surface_.setBorderFill(segment, colour));
}

void MainWindow::setPreviewFill(int cell, Rgb colour) {
    invalidate(surface_.setPreviewFill(cell, colour));
}

void MainWindow::setLabelText(Label label, std::string_view text) {
    switch (label) {
    case Label::Score:
        scorePanel_->setText(text);
        break;
    case Label::Time:
        clockPanel_->setText(text);
        break;
    case Label::Level:
        invalidate(surface_.setLevelText(text));
        break;
    }
}

void MainWindow::setPauseVisible(bool visible) {
    invalidate(surface_.setPauseVisible(visible));
}

void MainWindow::setTimerEnabled(Timer timer, bool enabled) {
    (timer == Timer::Gravity ? gravityTimer_ : clockTimer_).setEnabled(enabled);
}

void MainWindow::setGravityPeriod(int milliseconds) {
    gravityTimer_.setInterval(milliseconds);
}

void MainWindow::setFocus(FocusTarget target) {
    SetFocus(target == FocusTarget::MainWindow ? hwnd_ : focusKeeper_);
}

bool MainWindow::ownsControl(HWND control) const {
    return control != nullptr &&
           (control == clockPanel_->handle() || control == scorePanel_->handle() ||
            control == levelBar_ || control == focusKeeper_);
}

bool MainWindow::keyPressed(const MSG& message) {
    if (message.message != WM_KEYDOWN || hwnd_ == nullptr ||
        (message.hwnd != hwnd_ && !ownsControl(message.hwnd))) {
        return false;
    }
    if (message.wParam == VK_TAB) {
        moveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (const auto key = gameKeyOf(message.wParam); key && game_ != nullptr) {
        game_->keyDown(*key);
    }
    return false; // the control still handles the key: the level bar its arrows
}

// Tab walks the controls that take the focus, in their designed order.
void MainWindow::moveFocus(bool backwards) {
    const std::array<HWND, 4> order{clockPanel_->handle(), scorePanel_->handle(), levelBar_,
                                    focusKeeper_};
    const HWND focus = GetFocus();
    std::size_t next = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == focus) {
            next = (i + (backwards ? order.size() - 1 : 1)) % order.size();
        }
    }
    SetFocus(order[next]);
}

MainWindow::Button MainWindow::buttonAt(LPARAM position) const {
    const POINT p{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    // In device pixels, so that each button takes exactly the pixels its
    // picture covers at any scale.
    for (const buttons::Placed& placed : buttons::All) {
        const RECT device = scale_.rect(placed.rect);
        if (PtInRect(&device, p) != FALSE) {
            return placed.button;
        }
    }
    return Button::None;
}

void MainWindow::click(Button button) {
    if (game_ != nullptr) {
        buttons::click(*game_, button);
    }
}

void MainWindow::levelBarScrolled(WORD request, WORD thumb) {
    const int now = GetScrollPos(levelBar_, SB_CTL);
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
        return;
    }
    next = next < 1 ? 1 : (next > levels::Count ? levels::Count : next);
    if (next == now) {
        return;
    }
    SetScrollPos(levelBar_, SB_CTL, next, TRUE);
    if (game_ != nullptr) {
        game_->levelChosen(next);
    }
}

void MainWindow::paint() {
    flushChanges(); // a paint sent straight away comes before the flush
    const GdiObject<HRGN> dirty(CreateRectRgn(0, 0, 0, 0));
    GetUpdateRgn(hwnd_, dirty.get(), FALSE);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    const RECT box = ps.rcPaint;
    if (IsRectEmpty(&box) == FALSE) {
        // Drawn bottom of the stack first into a buffer, so nothing flickers.
        HDC buffer = CreateCompatibleDC(dc);
        const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, widthOf(box), heightOf(box)));
        {
            const Selected selected(buffer, bitmap.get());
            SetViewportOrgEx(buffer, -box.left, -box.top, nullptr);
            surface_.paint(buffer, dirty.get());
            BitBlt(dc, box.left, box.top, widthOf(box), heightOf(box), buffer, box.left, box.top,
                   SRCCOPY);
        }
        DeleteDC(buffer);
    }
    EndPaint(hwnd_, &ps);
    if (firstPaint_) {
        GdiFlush();
        std::exchange(firstPaint_, nullptr)();
    }
}

LRESULT MainWindow::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case FlushChangesMessage:
        flushChanges();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_TIMER:
        if (game_ != nullptr && wParam == gravityTimer_.id()) {
            game_->gravityTick();
        } else if (game_ != nullptr && wParam == clockTimer_.id()) {
            game_->clockTick();
        }
        return 0;
    case WM_VSCROLL:
        if (reinterpret_cast<HWND>(lParam) == levelBar_) {
            levelBarScrolled(LOWORD(wParam), HIWORD(wParam));
        }
        return 0;
    // A click is a press and a release of the left button over the same
    // button. The second press of a double-click counts for nothing, so
    // that a double-click on a button is one click.
    case WM_LBUTTONDOWN:
        pressed_ = buttonAt(lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        pressed_ = Button::None;
        return 0;
    case WM_LBUTTONUP: {
        const Button released = buttonAt(lParam);
        const Button pressed = std::exchange(pressed_, Button::None);
        if (released == pressed) {
            click(released);
        }
        return 0;
    }
    case WM_ACTIVATE:
        // The control that had the focus gets it back with the window.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (ownsControl(GetFocus())) {
                restoreFocus_ = GetFocus();
            }
        } else if (HIWORD(wParam) == 0) { // not minimised
            SetFocus(restoreFocus_);
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        rescale(HIWORD(wParam));
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, widthOf(*suggested),
                     heightOf(*suggested), SWP_NOZORDER | SWP_NOACTIVATE);
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
