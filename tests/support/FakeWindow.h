// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IndexedArray.h"
#include "WindowOps.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace stackfall::testing {

enum class Op {
    CellFill,
    CellOutline,
    BorderFill,
    PreviewFill,
    LabelText,
    PauseVisible,
    TimerEnabled,
    GravityPeriod,
    ShowWindow,
    Ask,
    EndProgram,
    Focus,
    PlaySound,
};

// One call the rules made: `index` names the control (cell, segment, label,
// timer, window, focus target, sound id), `value` what was set.
struct Call {
    Call(Op op_, int index_ = 0, std::int64_t value_ = 0, std::string text_ = {})
        : op(op_), index(index_), value(value_), text(std::move(text_)) {}

    Op op;
    int index;
    std::int64_t value;
    std::string text;

    bool operator==(const Call&) const = default;
};

// A window that records every call in order and keeps what a player would
// see on screen, with the designed look before the rules touch anything.
class FakeWindow final : public WindowOps {
public:
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

    // Calls made since `from` (an earlier calls.size()).
    [[nodiscard]] std::vector<Call> since(std::size_t from) const;
    // How many calls of one kind were made since `from`.
    [[nodiscard]] std::size_t count(Op op, std::size_t from = 0) const;
    [[nodiscard]] std::vector<int> soundsSince(std::size_t from) const;

    // Set `record` to false to keep the screen state without the call list
    // (long self-play runs).
    bool record = true;
    std::vector<Call> calls;

    IndexedArray<Rgb, 1, 299> cellFill = filled<1, 299>(colour::EmptyCell);
    IndexedArray<Rgb, 1, 299> cellOutline = filled<1, 299>(colour::FallingBlock);
    IndexedArray<Rgb, 0, 75> borderFill = filled<0, 75>(colour::Border);
    IndexedArray<Rgb, 1, 12> previewFill = filled<1, 12>(colour::PreviewUnlit);
    std::string scoreText = "00";
    std::string timeText = "00:00";
    std::string levelText = "Easy";
    bool pauseVisible = false;
    bool gravityEnabled = false;
    bool clockEnabled = false;
    int gravityPeriod = 0;
    int gameOverShown = 0;
    int aboutShown = 0;
    bool ended = false;
    FocusTarget focus = FocusTarget::MainWindow;
    std::vector<Question> questions; // text and title point at the rules' constants
    // Counted even when `record` is off.
    std::array<std::int64_t, 4> soundCount{}; // by id 1 to 3
    std::int64_t scoreZeroWrites = 0;         // each new game writes " 0"

    // What the player answers; by default the box's default button.
    std::function<Answer(const Question&)> answer;
    // Runs inside playSound, after it is recorded: lets a test try to slip
    // events into the rules while a sound starts.
    std::function<void(int)> onSound;

private:
    template <int First, int Last>
    static IndexedArray<Rgb, First, Last> filled(Rgb colour) {
        IndexedArray<Rgb, First, Last> a;
        a.fill(colour);
        return a;
    }
    void add(Op op, int index, std::int64_t value, std::string_view text = {});
};

} // namespace stackfall::testing
