// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaptionBox.h"
#include "ClickTracker.h"
#include "FocusOrder.h"
#include "GameTimer.h"
#include "LevelBar.h"
#include "RepaintBatch.h"
#include "Scale.h"
#include "Surface.h"
#include "SurfaceModel.h"
#include "WindowIcon.h"
#include "WindowOps.h"

#include <functional>
#include <optional>
#include <string_view>
#include <windows.h>

namespace stackfall {

class Game;
class Gamepads;
class PictureStore;

// The main window. It shows what the game sets and passes every event to the
// game's handlers; it decides nothing itself. Windows that cannot be made
// end the program (see Failure.h).
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
    // The pads see every message of the window first, and the questions'
    // opening and closing.
    void attach(Gamepads& gamepads) { gamepads_ = &gamepads; }

    // Shows the window centred on the work area of the screen it opens on.
    void show();
    // Stops its timers and lets go of the game, for the program's end, which
    // follows at once: the window is not hidden first.
    void stop();

    // What the game changes, as the window operations reach it: the
    // surface's graphics, repainted where `invalidate` says; the panels'
    // texts; the timers; the focus; and the questions, asked over the window.
    [[nodiscard]] SurfaceModel& surface() { return model_; }
    [[nodiscard]] const SurfaceModel& surface() const { return model_; }
    void invalidate(const Rect& r);
    void setPanelText(Label label, std::string_view text);
    [[nodiscard]] GameTimer& timer(Timer which);
    void setFocus(FocusTarget target);
    [[nodiscard]] Answer ask(const Question& question);

    // The one place where a key press becomes a game key, whichever of the
    // window's controls has the focus and whatever the modifiers. The
    // program's message loop calls it with every message before it is
    // delivered, auto-repeats included; true when the press was used up
    // here (Tab, which moves the focus).
    bool keyPressed(const MSG& message);

    [[nodiscard]] HWND handle() const { return hwnd_; }
    [[nodiscard]] const CaptionBox& clockPanel() const { return *clockPanel_; }
    [[nodiscard]] const CaptionBox& scorePanel() const { return *scorePanel_; }
    [[nodiscard]] const LevelBar& levelBar() const { return *levelBar_; }
    [[nodiscard]] HWND focusKeeper() const { return focusKeeper_; }
    [[nodiscard]] const Scale& scale() const { return scale_; }

    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    [[nodiscard]] buttons::PictureButton buttonAt(LPARAM position) const;
    void click(buttons::PictureButton button);
    void rescale(int dpi);
    void paint();

    HINSTANCE instance_;
    SurfaceModel model_;
    Surface surface_;
    Scale scale_;
    HWND hwnd_ = nullptr;
    RepaintBatch repaints_;
    WindowIcon icon_;
    std::optional<CaptionBox> clockPanel_;
    std::optional<CaptionBox> scorePanel_;
    std::optional<LevelBar> levelBar_;
    HWND focusKeeper_ = nullptr;
    std::optional<FocusOrder> focusOrder_;
    GameTimer gravityTimer_;
    GameTimer clockTimer_;
    Game* game_ = nullptr;
    buttons::ClickTracker clicks_;
    std::function<void()> closed_;
    std::function<void()> firstPaint_;
    Gamepads* gamepads_ = nullptr;
    bool painted_ = false; // once, the window has shown what it painted
};

} // namespace stackfall
