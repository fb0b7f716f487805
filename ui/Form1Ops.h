#pragma once

#include "WindowOps.h"

#include <functional>

namespace stackfall {

class Form1;
class ProgramWindows;

// The window operations of the game, carried out on the main window and the
// program's other windows. Each sets one property of one control. Indexes
// that name no control are ignored.
class Form1Ops final : public WindowOps {
public:
    using SoundPlayer = std::function<void(int id)>;

    Form1Ops(Form1& form, ProgramWindows& windows, SoundPlayer playSound);

    void setCellFill(int cell, Rgb colour) override;
    void setCellOutline(int cell, Rgb colour) override;
    void setBorderFill(int segment, Rgb colour) override;
    void setPreviewFill(int cell, Rgb colour) override;
    void setLabelText(Label label, std::string_view text) override;
    void setPauseVisible(bool visible) override;
    void setTimerEnabled(Timer timer, bool enabled) override;
    void setGravityPeriod(int milliseconds) override;
    [[nodiscard]] int scrollValue() const override;
    void showWindow(Window window) override;
    [[nodiscard]] Answer ask(const Question& question) override;
    void endProgram() override;
    void setFocus(FocusTarget target) override;
    void playSound(int id) override;

private:
    Form1& form_;
    ProgramWindows& windows_;
    SoundPlayer playSound_;
};

} // namespace stackfall
