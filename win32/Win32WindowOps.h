// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowOps.h"

namespace stackfall {

class MainWindow;
class ProgramWindows;
class SoundPlayer;

// The rules' window operations on the Windows program's windows; each passes
// one change on to the window it concerns.
class Win32WindowOps final : public WindowOps {
public:
    Win32WindowOps(MainWindow& mainWindow, ProgramWindows& windows, const SoundPlayer& sounds)
        : mainWindow_(mainWindow), windows_(windows), sounds_(sounds) {}

    void setCellFill(int cell, Rgb colour) override;
    void setCellOutline(int cell, Rgb colour) override;
    void setBorderFill(int segment, Rgb colour) override;
    void setPreviewFill(int cell, Rgb colour) override;
    void setLabelText(Label label, std::string_view text) override;
    void setPauseVisible(bool visible) override;
    void setTimerEnabled(Timer timer, bool enabled) override;
    void setGravityPeriod(int milliseconds) override;
    void showWindow(Window window) override;
    [[nodiscard]] Answer ask(const Question& question) override;
    void endProgram() override;
    void setFocus(FocusTarget target) override;
    void playSound(Sound sound) override;

private:
    MainWindow& mainWindow_;
    ProgramWindows& windows_;
    const SoundPlayer& sounds_;
};

} // namespace stackfall
