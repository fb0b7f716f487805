// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaptionBox.h"
#include "GameTimer.h"
#include "PictureButtons.h"
#include "Scale.h"
#include "Surface.h"
#include "WindowOps.h"

#include <functional>
#include <optional>
#include <string_view>
#include <windows.h>

namespace stackfall {

class Game;
class PictureStore;

// The main window. It shows what the game sets and passes every event to the
// game's handlers; it decides nothing itself.
class MainWindow {
public:
    MainWindow(HINSTANCE instance, PictureStore& pictures);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Wires the window's events to the game's handlers. Until then the
    // window shows its design and reports nothing.
    void attach(Game& game);
    // Called once the window has closed; its timers have stopped.
    void onClosed(std::function<void()> closed) { closed_ = std::move(closed); }
    // Called at the end of the first paint.
    void onFirstPaint(std::function<void()> painted) { firstPaint_ = std::move(painted); }

    // Shows the window centred on the screen's work area.
    void show();
    // Stops its timers and lets go of the game, for the program's end, which
    // follows at once: the window is not hidden first.
    void stop();

    // What the game changes; each repaints only what it touched.
    void setCellFill(int cell, Rgb colour);
    void setCellOutline(int cell, Rgb colour);
    void setBorderFill(int segment, Rgb colour);
    void setPreviewFill(int cell, Rgb colour);
    void setLabelText(Label label, std::string_view text);
    void setPauseVisible(bool visible);
    void setTimerEnabled(Timer timer, bool enabled);
    void setGravityPeriod(int milliseconds);
    void setFocus(FocusTarget target);

    // The one place where a key press becomes a game key, whichever of the
    // window's controls has the focus. The program's message loop calls it
    // with every key press before it is delivered, auto-repeats included;
    // true when the press was used up here (Tab, which moves the focus).
    bool keyPressed(const MSG& message);

    [[nodiscard]] HWND handle() const { return hwnd_; }

    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    using Button = buttons::PictureButton;
    [[nodiscard]] Button buttonAt(LPARAM position) const;
    void click(Button button);
    void levelBarScrolled(WORD request, WORD thumb);
    void rescale(int dpi);
    void invalidate(const Rect& r);
    void flushChanges();
    void paint();
    void moveFocus(bool backwards);
    [[nodiscard]] bool ownsControl(HWND control) const;

    HINSTANCE instance_;
    Surface surface_;
    Scale scale_;
    HWND hwnd_ = nullptr;
    GdiObject<HRGN> changed_; // device pixels not yet handed to the window system
    std::optional<CaptionBox> clockPanel_;
    std::optional<CaptionBox> scorePanel_;
    HWND levelBar_ = nullptr;
    HWND focusKeeper_ = nullptr;
    WNDPROC focusKeeperProc_ = nullptr;
    HWND restoreFocus_ = nullptr; // the control to refocus when the window is activated
    GameTimer gravityTimer_;
    GameTimer clockTimer_;
    Game* game_ = nullptr;
    Button pressed_ = Button::None;
    std::function<void()> closed_;
    std::function<void()> firstPaint_;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
};

} // namespace stackfall
