// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows program's real windows, driven with the messages Windows
// sends them: keys from every control that takes the focus, with and
// without modifiers; clicks; the tab order and the level bar; the
// questions; a change of scale; a tick of a stopped timer; and the
// program's end.
#include "Dpi.h"
#include "Layout.h"
#include "ProgramHarness.h"

#include <array>
#include <string>
#include <utility>

namespace stackfall::testing {
namespace {

using Modifier = ProgramHarness::Modifier;

const POINT Start = ProgramHarness::centreOf(layout::StartButton);
const POINT Exit = ProgramHarness::centreOf(layout::ExitButton);

RECT clientRectOf(HWND child, HWND parent) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// As left,top widthxheight.
std::string describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

TEST(ProgramTest, GameKeysActFromEveryControlWhateverTheModifiers) {
    ProgramHarness h({6, 3}); // a T piece, entering at cells 7, 19, 20, 21
    h.click(Start);
    ASSERT_FALSE(h.state().gameOver);
    // Gravity would move the piece between the checks.
    h.program.mainWindow().timer(Timer::Gravity).setEnabled(false);

    const MainWindow& window = h.program.mainWindow();
    const std::pair<HWND, const char*> controls[] = {{window.clockPanel().handle(), "clock panel"},
                                                     {window.scorePanel().handle(), "score panel"},
                                                     {window.levelBar().handle(), "level bar"},
                                                     {window.focusKeeper(), "focus keeper"},
                                                     {h.main(), "main window"}};
    const unsigned modifierSets[] = {Modifier::None, Modifier::Shift, Modifier::Control,
                                     Modifier::Alt,
                                     Modifier::Shift | Modifier::Control | Modifier::Alt};
    for (const auto& [control, name] : controls) {
        for (const unsigned modifiers : modifierSets) {
            for (const auto& [key, step] :
                 {std::pair{WPARAM{VK_RIGHT}, 1}, std::pair{WPARAM{VK_LEFT}, -1}}) {
                // The level bar's own arrows move the focus on: give it back.
                SetFocus(control);
                ASSERT_EQ(GetFocus(), control) << name;
                const int before = h.pieceColumn();
                h.pressKey(key, modifiers);
                EXPECT_EQ(h.pieceColumn(), before + step)
                    << (key == VK_RIGHT ? "Right" : "Left") << " from the " << name
                    << " with modifiers " << modifiers;
            }
        }
    }
    // Each auto-repeat is a key-down of its own.
    SetFocus(window.scorePanel().handle());
    const int column = h.pieceColumn();
    h.pressKey(VK_LEFT, Modifier::None, true);
    h.pressKey(VK_LEFT, Modifier::None, true);
    EXPECT_EQ(h.pieceColumn(), column - 2);

    // Other keys do nothing; F3 pauses with Alt as without.
    for (const WPARAM other : {WPARAM{'A'}, WPARAM{VK_F4}, WPARAM{VK_ESCAPE}, WPARAM{VK_SPACE},
                               WPARAM{VK_RETURN}, WPARAM{VK_F10}}) {
        h.pressKey(other);
        EXPECT_EQ(h.pieceColumn(), column - 2) << "key " << other;
        EXPECT_FALSE(h.state().paused) << "key " << other;
    }
    h.pressKey(VK_F3, Modifier::Alt);
    EXPECT_TRUE(h.state().paused);
    h.pressKey(VK_F3, Modifier::Control);
    EXPECT_FALSE(h.state().paused);

    // Alt+F4 still closes the window, from whichever control has the focus.
    EXPECT_TRUE(h.ends.empty());
    SetFocus(window.clockPanel().handle());
    h.pressKey(VK_F4, Modifier::Alt);
    h.pump(50);
    EXPECT_FALSE(IsWindow(h.main()));
    EXPECT_EQ(h.ends, std::vector<int>{0});
}

TEST(ProgramTest, TabGoesRoundTheControlsAndTheLevelBarStopsAtItsEnds) {
    ProgramHarness h;
    const MainWindow& window = h.program.mainWindow();
    const HWND clock = window.clockPanel().handle();
    const HWND score = window.scorePanel().handle();
    const HWND bar = window.levelBar().handle();
    const HWND keeper = window.focusKeeper();
    EXPECT_EQ(GetFocus(), clock);
    for (const HWND next : {score, bar, keeper, clock}) {
        h.pressKey(VK_TAB);
        EXPECT_EQ(GetFocus(), next);
    }
    for (const HWND previous : {keeper, bar, score, clock}) {
        h.pressKey(VK_TAB, Modifier::Shift);
        EXPECT_EQ(GetFocus(), previous);
    }

    // Arrows and the bar's own keys, on the focused bar: a level change
    // moves the focus on to the focus keeper; the ends change nothing.
    const auto press = [&](WPARAM key) {
        SetFocus(bar);
        h.pressKey(key);
    };
    press(VK_UP);
    EXPECT_EQ(window.levelBar().value(), 1);
    EXPECT_EQ(GetFocus(), bar);
    press(VK_DOWN);
    EXPECT_EQ(h.state().level, 2);
    EXPECT_EQ(GetFocus(), keeper);
    press(VK_END);
    EXPECT_EQ(h.state().level, 3);
    press(VK_DOWN);
    press(VK_NEXT);
    EXPECT_EQ(window.levelBar().value(), 3);
    EXPECT_EQ(h.state().level, 3);
    EXPECT_EQ(GetFocus(), bar);
    EXPECT_EQ(window.surface().levelText(), "Hard");
    press(VK_HOME);
    EXPECT_EQ(h.state().level, 1);
    // The thumb's position, as the bar reports it, kept within the levels.
    for (const auto& [thumb, level] : {std::pair{7, 3}, std::pair{0, 1}, std::pair{2, 2}}) {
        SendMessageW(h.main(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, thumb),
                     reinterpret_cast<LPARAM>(bar));
        h.pump();
        EXPECT_EQ(window.levelBar().value(), level) << "thumb at " << thumb;
        EXPECT_EQ(h.state().level, level) << "thumb at " << thumb;
    }
}

TEST(ProgramTest, ADoubleClickIsOneClickAndAPressDraggedOffAButtonClicksNothing) {
    ProgramHarness h;
    {
        QuestionAnswerer unexpected(IDNO);
        h.mouse(WM_LBUTTONDOWN, Start);
        h.mouse(WM_LBUTTONUP, Start);
        h.mouse(WM_LBUTTONDBLCLK, Start);
        h.mouse(WM_LBUTTONUP, Start);
        h.pump(100);
        EXPECT_EQ(unexpected.asked, 0) << "the double-click asked to restart";
    }
    EXPECT_FALSE(h.state().gameOver);

    QuestionAnswerer unexpected(IDCANCEL);
    // A press on a button keeps the mouse: its release, dragged out of the
    // window, comes back to the window and forgets the press, so that a
    // later release over the button, after a press elsewhere, is no click.
    // With the real mouse, as Windows routes it.
    const auto input = [&h](POINT screen, DWORD button) {
        SetCursorPos(screen.x, screen.y);
        INPUT event{};
        event.type = INPUT_MOUSE;
        event.mi.dwFlags = button;
        SendInput(1, &event, sizeof event);
        h.pump(50);
    };
    const auto onScreen = [&h](POINT logical) {
        const Scale& scale = h.program.mainWindow().scale();
        POINT p{scale.px(logical.x), scale.px(logical.y)};
        ClientToScreen(h.main(), &p);
        return p;
    };
    RECT frame{};
    GetWindowRect(h.main(), &frame);
    const POINT outside{frame.right + 40, frame.bottom + 40};
    input(onScreen(Exit), MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(GetCapture(), h.main()) << "a press on Exit did not keep the mouse";
    input(outside, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(GetCapture(), nullptr);
    input(outside, MOUSEEVENTF_LEFTDOWN);
    input(onScreen(Exit), MOUSEEVENTF_LEFTUP);
    h.pump(100);
    EXPECT_EQ(unexpected.asked, 0) << "a release over Exit, pressed elsewhere, clicked it";
    // The mouse taken away mid-press, by Windows or by another window.
    h.mouse(WM_LBUTTONDOWN, Exit);
    SendMessageW(h.main(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    h.mouse(WM_LBUTTONUP, Exit);
    h.mouse(WM_LBUTTONDOWN, Exit);
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetCapture(other);
    ReleaseCapture();
    DestroyWindow(other);
    h.mouse(WM_LBUTTONUP, Exit);
    h.pump(100);
    EXPECT_EQ(unexpected.asked, 0) << "a release without its press clicked Exit";

    // A press off the buttons does not keep the mouse.
    h.mouse(WM_LBUTTONDOWN, {100, 100});
    EXPECT_EQ(GetCapture(), nullptr);
    h.mouse(WM_LBUTTONUP, {100, 100});
}

TEST(ProgramTest, YesNoIgnoresEscapeOkCancelTakesItAsCancelAndOkEndsTheProgram) {
    ProgramHarness h({6, 3, 8, 1});
    h.click(Start);
    ASSERT_EQ(h.state().currentType, 6);
    {
        QuestionAnswerer no(IDNO, true);
        h.click(Start);
        h.pump(100);
        EXPECT_EQ(no.asked, 1);
        EXPECT_FALSE(no.escaped) << "Escape answered the Yes/No question";
        EXPECT_EQ(no.title, L"God Warning !!!");
        EXPECT_EQ(no.text, L"Hey baby ngepret, are you sure to restart the game ??");
        EXPECT_EQ(no.buttons, (std::vector<int>{IDYES, IDNO}));
        EXPECT_EQ(no.defaultButton, IDYES);
        EXPECT_EQ(h.state().currentType, 6);
    }
    {
        QuestionAnswerer yes(IDYES);
        h.click(Start);
        EXPECT_EQ(yes.asked, 1);
        EXPECT_EQ(h.state().currentType, 8); // a new game
    }
    {
        QuestionAnswerer escape(IDOK, true);
        h.click(Exit);
        h.pump(100);
        EXPECT_TRUE(escape.escaped) << "Escape did not cancel the exit question";
        EXPECT_EQ(escape.title, L"What's up, Zolbert !!");
        EXPECT_EQ(escape.text, L"Do you want go to the god side ??");
        EXPECT_EQ(escape.buttons, (std::vector<int>{IDOK, IDCANCEL}));
        EXPECT_EQ(escape.defaultButton, IDOK);
        EXPECT_TRUE(h.ends.empty());
        EXPECT_TRUE(h.program.mainWindow().timer(Timer::Gravity).running());
    }
    QuestionAnswerer ok(IDOK);
    h.click(Exit);
    EXPECT_EQ(ok.asked, 1);
    EXPECT_EQ(h.ends, std::vector<int>{0});
    EXPECT_FALSE(h.program.mainWindow().timer(Timer::Gravity).running());
    EXPECT_FALSE(h.program.mainWindow().timer(Timer::Clock).running());
    const int column = h.pieceColumn();
    // The window manager gives the window back the activation, and so the
    // focus, in its own time once the box has gone.
    SetFocus(h.program.mainWindow().clockPanel().handle());
    h.pressKey(VK_LEFT);
    EXPECT_EQ(h.pieceColumn(), column) << "a key reached the game after its end";
}

TEST(ProgramTest, ClosingTheMainWindowLeavesThePictureWindowsUntilTheLastIsClicked) {
    ProgramHarness h;
    h.program.windows().show(Window::GameOver);
    h.program.windows().show(Window::About);
    h.pump();
    SendMessageW(h.main(), WM_CLOSE, 0, 0);
    h.pump();
    EXPECT_FALSE(IsWindow(h.main()));
    EXPECT_TRUE(h.ends.empty()) << "the program ended with picture windows open";
    for (const Window which : {Window::GameOver, Window::About}) {
        const PictureWindow* picture = h.program.windows().window(which);
        ASSERT_NE(picture, nullptr);
        EXPECT_NE(IsWindowVisible(picture->handle()), FALSE);
        HWND handle = picture->handle();
        PostMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        h.pump();
        EXPECT_FALSE(IsWindow(handle));
        EXPECT_EQ(h.program.windows().window(which), nullptr);
        // The program ends with the last of them.
        EXPECT_EQ(h.ends, std::vector<int>(which == Window::About ? 1 : 0, 0));
    }
    h.program.windows().show(Window::About); // nothing opens once the program has ended
    EXPECT_EQ(h.program.windows().window(Window::About), nullptr);
}

// Where a window is and how large its client area, as left,top widthxheight.
std::string placementOf(HWND window) {
    RECT frame{};
    RECT client{};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    return describe({frame.left, frame.top, frame.left + client.right, frame.top + client.bottom});
}

TEST(ProgramTest, TheMainWindowTakesTheScaleAChangeOfScreenGivesIt) {
    ProgramHarness h;
    HWND main = h.main();
    const auto iconSize = [main] {
        ICONINFO info{};
        const auto icon = reinterpret_cast<HICON>(SendMessageW(main, WM_GETICON, ICON_BIG, 0));
        if (icon == nullptr || GetIconInfo(icon, &info) == FALSE) {
            return 0;
        }
        BITMAP bitmap{};
        GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return static_cast<int>(bitmap.bmWidth);
    };
    RECT client{};
    GetClientRect(main, &client);
    ASSERT_EQ(describe(client), "0,0 485x424");

    for (const int dpi : {192, 144, 96}) {
        const Scale scale{dpi};
        // Asked first for its size at the new scale, the window answers.
        SIZE asked{};
        EXPECT_NE(SendMessageW(main, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi),
                               reinterpret_cast<LPARAM>(&asked)),
                  FALSE)
            << "at " << dpi << " dpi";
        EXPECT_GT(asked.cx, scale.px(485));
        EXPECT_GT(asked.cy, scale.px(424));
        // Windows then suggests a rectangle on the new screen: where the
        // window goes, not the size it takes.
        RECT before{};
        GetWindowRect(main, &before);
        RECT suggested{40, 30, 40 + 3 * (before.right - before.left),
                       30 + 2 * (before.bottom - before.top)};
        SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        // The window manager confirms each move and resize in its own time,
        // and wine takes each confirmation as it comes, also one of an
        // earlier move (the window's first placement, or the resize before
        // the move): the window goes back there for a moment. What counts is
        // where the window comes to rest.
        const std::string wanted = describe({40, 30, 40 + scale.px(485), 30 + scale.px(424)});
        h.pumpUntilSteady([&] { return placementOf(main) == wanted; }, 500, 5000);
        EXPECT_EQ(placementOf(main), wanted) << "at " << dpi << " dpi";
        const MainWindow& window = h.program.mainWindow();
        for (const auto& [control, r] :
             {std::pair{window.clockPanel().handle(), layout::ClockPanel},
              std::pair{window.scorePanel().handle(), layout::ScorePanel},
              std::pair{window.levelBar().handle(), layout::LevelBar},
              std::pair{window.focusKeeper(), layout::FocusKeeper}}) {
            EXPECT_EQ(describe(clientRectOf(control, main)), describe(scale.rect(r)))
                << "at " << dpi << " dpi";
        }
        EXPECT_EQ(iconSize(), iconSide(SM_CXICON, dpi)) << "at " << dpi << " dpi";
    }
}

TEST(ProgramTest, ATickOfAStoppedTimerDoesNothing) {
    ProgramHarness h({6, 3});
    h.click(Start);
    h.pressKey(VK_F3); // pause: gravity stops
    ASSERT_TRUE(h.state().paused);
    GameTimer& gravity = h.program.mainWindow().timer(Timer::Gravity);
    ASSERT_FALSE(gravity.running());
    const int cell = h.state().pieceCells(1);
    // Stopping a timer leaves a tick already posted in the queue.
    PostMessageW(h.main(), WM_TIMER, gravity.id(), 0);
    h.pump();
    EXPECT_EQ(h.state().pieceCells(1), cell);
}

} // namespace
} // namespace stackfall::testing
