// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeWindow.h"

#include <algorithm>

namespace stackfall::testing {

void FakeWindow::add(Op op, int index, std::int64_t value, std::string_view text) {
    if (record) {
        calls.push_back(Call{op, index, value, std::string(text)});
    }
}

void FakeWindow::setCellFill(int cell, Rgb colour) {
    add(Op::CellFill, cell, colour);
    cellFill(cell) = colour;
}

void FakeWindow::setCellOutline(int cell, Rgb colour) {
    add(Op::CellOutline, cell, colour);
    cellOutline(cell) = colour;
}

void FakeWindow::setBorderFill(int segment, Rgb colour) {
    add(Op::BorderFill, segment, colour);
    borderFill(segment) = colour;
}

void FakeWindow::setPreviewFill(int cell, Rgb colour) {
    add(Op::PreviewFill, cell, colour);
    previewFill(cell) = colour;
}

void FakeWindow::setLabelText(Label label, std::string_view text) {
    add(Op::LabelText, static_cast<int>(label), 0, text);
    switch (label) {
    case Label::Score:
        scoreText = text;
        if (text == " 0") {
            ++scoreZeroWrites;
        }
        break;
    case Label::Time:
        timeText = text;
        break;
    case Label::Level:
        levelText = text;
        break;
    }
}

void FakeWindow::setPauseVisible(bool visible) {
    add(Op::PauseVisible, 0, visible);
    pauseVisible = visible;
}

void FakeWindow::setTimerEnabled(Timer timer, bool enabled) {
    add(Op::TimerEnabled, static_cast<int>(timer), enabled);
    (timer == Timer::Gravity ? gravityEnabled : clockEnabled) = enabled;
}

void FakeWindow::setGravityPeriod(int milliseconds) {
    add(Op::GravityPeriod, 0, milliseconds);
    gravityPeriod = milliseconds;
}

void FakeWindow::showWindow(Window window) {
    add(Op::ShowWindow, static_cast<int>(window), 0);
    ++(window == Window::GameOver ? gameOverShown : aboutShown);
}

Answer FakeWindow::ask(const Question& question) {
    add(Op::Ask, static_cast<int>(question.buttons), static_cast<int>(question.defaultButton),
        question.title);
    questions.push_back(question);
    return answer ? answer(question) : question.defaultButton;
}

void FakeWindow::endProgram() {
    add(Op::EndProgram, 0, 0);
    ended = true;
}

void FakeWindow::setFocus(FocusTarget target) {
    add(Op::Focus, static_cast<int>(target), 0);
    focus = target;
}

void FakeWindow::playSound(Sound sound) {
    const int id = static_cast<int>(sound);
    add(Op::PlaySound, id, 0);
    if (id >= 1 && id <= 3) {
        ++soundCount[static_cast<std::size_t>(id)];
    }
    if (onSound) {
        onSound(id);
    }
}

std::vector<Call> FakeWindow::since(std::size_t from) const {
    return {calls.begin() + static_cast<std::ptrdiff_t>(std::min(from, calls.size())), calls.end()};
}

std::size_t FakeWindow::count(Op op, std::size_t from) const {
    const auto recent = since(from);
    return static_cast<std::size_t>(
        std::count_if(recent.begin(), recent.end(), [op](const Call& c) { return c.op == op; }));
}

std::vector<int> FakeWindow::soundsSince(std::size_t from) const {
    std::vector<int> ids;
    for (const Call& c : since(from)) {
        if (c.op == Op::PlaySound) {
            ids.push_back(c.index);
        }
    }
    return ids;
}

} // namespace stackfall::testing
