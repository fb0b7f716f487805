// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colour.h"
#include "Sound.h"

#include <string_view>

namespace stackfall {

// The texts that the rules write.
enum class Label { Score, Time, Level };

enum class Timer { Gravity, Clock };

// The two picture windows besides the main window.
enum class Window { GameOver, About };

enum class FocusTarget { MainWindow, FocusKeeper };

// Message box buttons with the platform's codes.
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
enum class Buttons { OkCancel, YesNo };

struct Question {
    std::string_view text;
    std::string_view title;
    Buttons buttons;
    Answer defaultButton;
};

// Everything the rules may do to the screen and the rest of the program.
// The windows implement it; the tests record it. Indexes are those of the
// controls: cells 1 to 299, border segments 0 to 75, preview cells 1 to 12.
class WindowOps {
public:
    virtual ~WindowOps() = default;

    virtual void setCellFill(int cell, Rgb colour) = 0;
    virtual void setCellOutline(int cell, Rgb colour) = 0;
    virtual void setBorderFill(int segment, Rgb colour) = 0;
    virtual void setPreviewFill(int cell, Rgb colour) = 0;
    virtual void setLabelText(Label label, std::string_view text) = 0;
    virtual void setPauseVisible(bool visible) = 0;
    virtual void setTimerEnabled(Timer timer, bool enabled) = 0;
    virtual void setGravityPeriod(int milliseconds) = 0;
    virtual void showWindow(Window window) = 0; // load and show, modeless
    // Modal; the timers keep running while it is open.
    [[nodiscard]] virtual Answer ask(const Question& question) = 0;
    virtual void endProgram() = 0; // closes every window at once
    virtual void setFocus(FocusTarget target) = 0;
    // Starts a sound and returns at once; never lets queued events run.
    virtual void playSound(Sound sound) = 0;
};

} // namespace stackfall
