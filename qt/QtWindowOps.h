// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowOps.h"

namespace stackfall {

class MainWindow;
class ProgramWindows;
class SoundInterface;

// The window operations of the game, carried out on the main window and the
// program's other windows. Each sets one property of one control. Indexes
// that name no control are ignored.
class QtWindowOps final : public WindowOps {
public:
    QtWindowOps(MainWindow& mainWindow, ProgramWindows& windows, SoundInterface& sound);

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
    SoundInterface& sound_;
};

} // namespace stackfall
