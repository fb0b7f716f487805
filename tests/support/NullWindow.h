// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowOps.h"

namespace stackfall::testing {

// A window that does no work, so the figures are the rules' own.
class NullWindow : public WindowOps {
public:
    void setCellFill(int, Rgb) override {}
    void setCellOutline(int, Rgb) override {}
    void setBorderFill(int, Rgb) override {}
    void setPreviewFill(int, Rgb) override {}
    void setLabelText(Label, std::string_view) override {}
    void setPauseVisible(bool) override {}
    void setTimerEnabled(Timer, bool) override {}
    void setGravityPeriod(int) override {}
    void showWindow(Window) override {}
    [[nodiscard]] Answer ask(const Question& question) override { return question.defaultButton; }
    void endProgram() override {}
    void setFocus(FocusTarget) override {}
    void playSound(Sound) override {}
};

} // namespace stackfall::testing
