// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowOps.h"

namespace stackfall {

// The rules' window operations, passed on alike by both front ends: each
// sets one property of one control and repaints only what that changed.
// `Main` is the main window: its surface (a SurfaceModel), `invalidate`,
// the score and clock panels' texts, its two timers, its focus and its
// questions. `Windows` shows the picture windows and ends the program;
// `Sounds` plays.
template <typename Main, typename Windows, typename Sounds>
class ForwardingWindowOps final : public WindowOps {
public:
    ForwardingWindowOps(Main& main, Windows& windows, Sounds& sounds)
        : main_(main), windows_(windows), sounds_(sounds) {}

    void setCellFill(int cell, Rgb colour) override {
        main_.invalidate(main_.surface().setCellFill(cell, colour));
    }
    void setCellOutline(int cell, Rgb colour) override {
        main_.invalidate(main_.surface().setCellOutline(cell, colour));
    }
    void setBorderFill(int segment, Rgb colour) override {
        main_.invalidate(main_.surface().setBorderFill(segment, colour));
    }
    void setPreviewFill(int cell, Rgb colour) override {
        main_.invalidate(main_.surface().setPreviewFill(cell, colour));
    }
    // The level name is drawn on the window; the score and the clock are
    // each in a panel of their own.
    void setLabelText(Label label, std::string_view text) override {
        if (label == Label::Level) {
            main_.invalidate(main_.surface().setLevelText(text));
        } else {
            main_.setPanelText(label, text);
        }
    }
    void setPauseVisible(bool visible) override {
        main_.invalidate(main_.surface().setPauseVisible(visible));
    }
    void setTimerEnabled(Timer timer, bool enabled) override {
        main_.timer(timer).setEnabled(enabled);
    }
    void setGravityPeriod(int milliseconds) override {
        main_.timer(Timer::Gravity).setInterval(milliseconds);
    }
    void showWindow(Window window) override { windows_.show(window); }
    [[nodiscard]] Answer ask(const Question& question) override { return main_.ask(question); }
    void endProgram() override { windows_.endProgram(); }
    void setFocus(FocusTarget target) override { main_.setFocus(target); }
    void playSound(Sound sound) override { sounds_.play(sound); }

private:
    Main& main_;
    Windows& windows_;
    Sounds& sounds_;
};

} // namespace stackfall
