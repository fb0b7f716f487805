// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows program played from a gamepad: XInput is the stand-in of
// XInputStandIn.cpp, which the test sets as a player's pad would be.
#include "GameTestAccess.h"
#include "Layout.h"
#include "ProgramHarness.h"

#include <dbt.h>
#include <string>
#include <xinput.h>

namespace stackfall::testing {
namespace {

// The stand-in's own entry points, found in the DLL the program loaded.
class StandInPad {
public:
    StandInPad() : dll_(LoadLibraryW(L"xinput1_4.dll")) {
        HMODULE dll = dll_;
        set_ = reinterpret_cast<Set>(reinterpret_cast<void*>(GetProcAddress(dll, "standInSet")));
        asked_ =
            reinterpret_cast<Asked>(reinterpret_cast<void*>(GetProcAddress(dll, "standInAsked")));
    }
    // Every slot empty again for the next test.
    ~StandInPad() {
        if (loaded()) {
            for (DWORD slot = 0; slot < XUSER_MAX_COUNT; ++slot) {
                unplug(slot);
            }
        }
        FreeLibrary(dll_);
    }
    StandInPad(const StandInPad&) = delete;
    StandInPad& operator=(const StandInPad&) = delete;

    [[nodiscard]] bool loaded() const { return set_ != nullptr && asked_ != nullptr; }

    void hold(DWORD slot, WORD buttons, SHORT x = 0, SHORT y = 0) {
        XINPUT_GAMEPAD pad{};
        pad.wButtons = buttons;
        pad.sThumbLX = x;
        pad.sThumbLY = y;
        set_(slot, &pad);
    }
    void unplug(DWORD slot) { set_(slot, nullptr); }
    [[nodiscard]] LONG asked(DWORD slot) const { return asked_(slot); }

private:
    using Set = void (*)(DWORD, const XINPUT_GAMEPAD*);
    using Asked = LONG (*)(DWORD);
    HMODULE dll_;
    Set set_ = nullptr;
    Asked asked_ = nullptr;
};

// Windows' broadcast of a pad plugged in or pulled out.
void deviceChanged(ProgramHarness& h, WPARAM change) {
    SendMessageW(h.main(), WM_DEVICECHANGE, change, 0);
    h.pump();
}

TEST(GamepadTest, APadPlaysPiecesAndAnswersTheQuestions) {
    StandInPad pad;
    ASSERT_TRUE(pad.loaded()) << "xinput1_4.dll is not the stand-in: WINEDLLOVERRIDES=xinput1_4=n";
    const LONG beforeStart = pad.asked(2);
    const LONG emptyBefore = pad.asked(3);
    ProgramHarness h({5, 8, 8, 8, 6, 3});
    ASSERT_NE(GetActiveWindow(), nullptr) << "the program's window is not active";

    // No game controller listed: XInput is not asked, at the start or later.
    EXPECT_EQ(pad.asked(2), beforeStart);
    h.pump(300);
    EXPECT_EQ(pad.asked(2), beforeStart);
    EXPECT_FALSE(h.program.gamepads().polling());

    // Plugged in: Windows lists it and says so, and the pad is polled, at
    // most 60 times a second; the empty slots only at the change.
    pad.hold(2, 0);
    h.program.gamepads().setControllerCheck([] { return true; });
    deviceChanged(h, DBT_DEVICEARRIVAL);
    EXPECT_EQ(pad.asked(3), emptyBefore + 1);
    EXPECT_TRUE(h.program.gamepads().polling());
    const LONG emptyAsked = pad.asked(0);
    const LONG before = pad.asked(2);
    h.pump(500);
    EXPECT_LE(pad.asked(2) - before, 31);
    EXPECT_GE(pad.asked(2) - before, 2);
    EXPECT_EQ(pad.asked(0), emptyAsked);

    const auto press = [&](WORD button) {
        pad.hold(2, button);
        h.pump(80);
        pad.hold(2, 0);
        h.pump(80);
    };
    // Back is the start button: a game starts, with no question.
    press(XINPUT_GAMEPAD_BACK);
    ASSERT_FALSE(h.state().gameOver);
    ASSERT_EQ(h.state().currentType, 5); // the square, at 7, 8, 20, 21
    press(XINPUT_GAMEPAD_START);
    EXPECT_TRUE(h.state().paused);
    press(XINPUT_GAMEPAD_START);
    EXPECT_FALSE(h.state().paused);
    // From here the piece moves only as the pad says.
    h.program.mainWindow().timer(Timer::Gravity).setEnabled(false);

    // The stick: within the dead zone nothing, past it one column.
    pad.hold(2, 0, -8000, 7000);
    h.pump(80);
    EXPECT_EQ(h.pieceColumn(), 7);
    pad.hold(2, 0, -20000, 7000);
    h.pump(80);
    pad.hold(2, 0, 0, 0);
    h.pump(80);
    EXPECT_EQ(h.pieceColumn(), 6);
    press(XINPUT_GAMEPAD_DPAD_LEFT);
    press(XINPUT_GAMEPAD_DPAD_LEFT);
    EXPECT_EQ(h.pieceColumn(), 4);
    // Held down, it repeats, then pushed a row a press until it settles.
    pad.hold(2, 0, 0, -32768);
    h.pumpUntilSteady([&] { return h.state().pieceCells(1) > 4 + 13 * 3; }, 1, 3000);
    pad.hold(2, 0);
    h.pump(80);
    EXPECT_GT(h.state().pieceCells(1), 4 + 13 * 3);
    for (int i = 0; i < 23 && h.state().currentType == 5; ++i) {
        press(XINPUT_GAMEPAD_DPAD_DOWN);
    }
    ASSERT_EQ(h.state().currentType, 8);
    // A turns (the single block only plays the turn's sound).
    h.sounds.played.clear();
    press(XINPUT_GAMEPAD_A);
    EXPECT_EQ(h.sounds.played, std::vector<Sound>{Sound::Turn});
    press(XINPUT_GAMEPAD_DPAD_RIGHT);
    EXPECT_EQ(h.pieceColumn(), 8);
    h.sounds.played.clear();
    for (int i = 0; i < 23 && h.sounds.played.empty(); ++i) {
        press(XINPUT_GAMEPAD_DPAD_DOWN);
    }
    EXPECT_EQ(h.sounds.played, std::vector<Sound>{Sound::Settled});
    std::string board = "......o......\n";
    for (int row = 2; row <= 21; ++row) {
        board += ".............\n";
    }
    board += "...##........\n"
             "...##..#.....\n";
    EXPECT_EQ(boardPicture(h.state()), board);

    // Back during a game asks first; the pad then only answers: B is No,
    // and the piece behind the box stays put.
    // Asks with Back or a click at `where`; once the box is open, the pad
    // steps through a direction and Start, which act on nothing, and then
    // `answer`. The steps are taken by a timer of the thread, which the
    // box's own message loop runs.
    static StandInPad* stepping = nullptr;
    static WORD answering = 0;
    static int step = 0;
    const auto askAndAnswer = [&](POINT where, bool byBack, WORD answer) {
        stepping = &pad;
        answering = answer;
        step = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, 60, [](HWND, UINT, UINT_PTR, DWORD) {
            const WORD steps[] = {XINPUT_GAMEPAD_DPAD_RIGHT | XINPUT_GAMEPAD_START, 0, answering,
                                  0};
            if (step < 4 && (step > 0 || FindWindowW(L"#32770", nullptr) != nullptr)) {
                stepping->hold(2, steps[step++]);
            }
        });
        if (byBack) {
            pad.hold(2, XINPUT_GAMEPAD_BACK);
        } else {
            h.click(where);
        }
        h.pumpUntilSteady([] { return step == 4 && FindWindowW(L"#32770", nullptr) == nullptr; },
                          200, 5000);
        KillTimer(nullptr, timer);
        EXPECT_EQ(step, 4);
    };
    askAndAnswer({}, true, XINPUT_GAMEPAD_B);
    EXPECT_EQ(h.state().pieceCells(1), 7);
    EXPECT_FALSE(h.state().paused);
    EXPECT_EQ(h.state().currentType, 8);
    // A is Yes: a new game, with the next piece dealt.
    askAndAnswer({}, true, XINPUT_GAMEPAD_A);
    EXPECT_EQ(h.state().currentType, 6);
    EXPECT_FALSE(h.state().paused);
    // The exit question, asked by the mouse: B cancels, A is OK.
    const POINT exit = ProgramHarness::centreOf(layout::ExitButton);
    askAndAnswer(exit, false, XINPUT_GAMEPAD_B);
    EXPECT_TRUE(h.ends.empty());
    askAndAnswer(exit, false, XINPUT_GAMEPAD_A);
    EXPECT_EQ(h.ends, std::vector<int>{0});
}

TEST(GamepadTest, PollingStopsWhenThePadGoesOrTheGameIsNotActive) {
    StandInPad pad;
    ASSERT_TRUE(pad.loaded());
    ProgramHarness h({6, 3});
    pad.hold(1, 0);
    h.program.gamepads().setControllerCheck([] { return true; });
    deviceChanged(h, DBT_DEVICEARRIVAL);
    ASSERT_TRUE(h.program.gamepads().polling());
    h.click(ProgramHarness::centreOf(layout::StartButton));
    h.program.mainWindow().timer(Timer::Gravity).setEnabled(false);

    // Another program's window activated: no polls, no repeats.
    pad.hold(1, XINPUT_GAMEPAD_DPAD_RIGHT);
    h.pump(60);
    const int column = h.pieceColumn();
    EXPECT_EQ(column, 8);
    SendMessageW(h.main(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(h.program.gamepads().polling());
    const LONG asked = pad.asked(1);
    h.pump(700); // past the repeat delay
    EXPECT_EQ(pad.asked(1), asked);
    EXPECT_EQ(h.pieceColumn(), column);
    SendMessageW(h.main(), WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(h.program.gamepads().polling());
    // Still held from before: it waits for its release.
    h.pump(700);
    EXPECT_EQ(h.pieceColumn(), column);

    // Pulled out while held: the next poll finds it gone and polling stops.
    pad.hold(1, 0);
    h.pump(60);
    pad.hold(1, XINPUT_GAMEPAD_DPAD_LEFT);
    h.pump(60);
    EXPECT_EQ(h.pieceColumn(), column - 1);
    pad.unplug(1);
    h.pump(100);
    EXPECT_FALSE(h.program.gamepads().polling());
    h.pump(700);
    EXPECT_EQ(h.pieceColumn(), column - 1);
    const LONG gone = pad.asked(1);
    h.pump(200);
    EXPECT_EQ(pad.asked(1), gone);
    // Plugged in again: found on the device change alone.
    pad.hold(1, XINPUT_GAMEPAD_START);
    h.pump(100);
    EXPECT_FALSE(h.state().paused);
    deviceChanged(h, DBT_DEVICEARRIVAL);
    h.pump(60);
    EXPECT_TRUE(h.state().paused);
}

} // namespace
} // namespace stackfall::testing
