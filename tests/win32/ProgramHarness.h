// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Program.h"
#include "Randoms.h"
#include "SoundOutput.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>
#include <windows.h>

namespace stackfall::testing {

// Records the sounds the program plays.
class RecordedSounds final : public SoundOutput {
public:
    void play(Sound sound) override { played.push_back(sound); }
    std::vector<Sound> played;
};

// The Windows program as WinMain builds it, with a scripted generator and
// with its sounds and its end recorded, driven with the messages Windows
// would send it. Keys are posted to the control that has the focus and
// reach the game through the program's own message handling.
class ProgramHarness {
public:
    // The first game deals these piece types in order.
    explicit ProgramHarness(std::initializer_list<int> types = {6, 3});
    ~ProgramHarness();
    ProgramHarness(const ProgramHarness&) = delete;
    ProgramHarness& operator=(const ProgramHarness&) = delete;

    // Delivers what is waiting in the queue, and what comes in the next
    // `milliseconds`.
    void pump(int milliseconds = 0);
    // Delivers messages until `done` has held for `steady` milliseconds on
    // end, for at most `milliseconds`.
    template <typename Done>
    void pumpUntilSteady(Done done, int steady, int milliseconds) {
        for (int waited = 0, held = 0; held < steady && waited < milliseconds; waited += 20) {
            held = done() ? held + 20 : 0;
            pump(20);
        }
    }

    enum Modifier : unsigned { None = 0, Shift = 1, Control = 2, Alt = 4 };
    // A key-down and key-up of `key` on the focused control, with the
    // modifiers held (Alt's as WM_SYSKEYDOWN, as Windows sends them), then
    // the messages delivered. `repeat` marks an auto-repeat.
    void pressKey(WPARAM key, unsigned modifiers = None, bool repeat = false);
    // The left button's messages at a point of the main window's client
    // area, in logical pixels.
    void mouse(UINT message, POINT logical);
    void click(POINT logical);
    [[nodiscard]] static POINT centreOf(const Rect& r) {
        return {r.x + r.width / 2, r.y + r.height / 2};
    }

    [[nodiscard]] HWND main() { return program.mainWindow().handle(); }
    [[nodiscard]] const GameState& state() { return program.game().state(); }
    // The column, 1 to 13, of the falling piece's first block.
    [[nodiscard]] int pieceColumn() { return field::columnOf(state().pieceCells(1)); }

    ScriptedRandom random;
    RecordedSounds sounds;
    std::vector<int> ends; // exit codes asked for
    Program program;
};

// Answers every question box that opens while it lives, the first after
// trying Escape on it when `escapeFirst`, and records what the last box
// showed: its title, text, buttons and default button. Make it before the
// action that asks.
class QuestionAnswerer {
public:
    explicit QuestionAnswerer(int answer, bool escapeFirst = false);
    ~QuestionAnswerer();
    QuestionAnswerer(const QuestionAnswerer&) = delete;
    QuestionAnswerer& operator=(const QuestionAnswerer&) = delete;

    int asked = 0;        // boxes answered or escaped
    bool escaped = false; // Escape took the first box away
    std::wstring title;
    std::wstring text;
    std::vector<int> buttons;
    int defaultButton = 0;

private:
    static void CALLBACK poll(HWND, UINT, UINT_PTR, DWORD);
    void answer(HWND box);

    int answer_;
    bool escapeFirst_;
    UINT_PTR timer_;
    HWND escapedBox_ = nullptr;
};

} // namespace stackfall::testing
