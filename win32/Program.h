// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ForwardingWindowOps.h"
#include "Game.h"
#include "Gamepads.h"
#include "MainWindow.h"
#include "PictureStore.h"
#include "ProgramWindows.h"
#include "SoundOutput.h"

#include <windows.h>

namespace stackfall {

class RandomSource;

// The game's window operations on the Windows program's windows.
using Win32WindowOps = ForwardingWindowOps<MainWindow, ProgramWindows, SoundOutput>;

// The whole program wired together: the pictures, the main window, the
// picture windows and the program's end, the window operations and the
// rules. WinMain builds it with the real generator, sounds and end; the
// window tests build the same with their own, so they exercise the wiring
// that ships.
class Program {
public:
    Program(HINSTANCE instance, RandomSource& random, SoundOutput& sounds, ProgramWindows::End end);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the rules' load step, then shows the main window centred on its
    // screen and looks for gamepads.
    void start();
    // Handles the program's messages until it ends; its exit code.
    int run();
    // Delivers one message of the thread's queue as run() does: a key press
    // reaches the game before the control that has the focus.
    void deliver(const MSG& message);

    [[nodiscard]] MainWindow& mainWindow() { return mainWindow_; }
    [[nodiscard]] ProgramWindows& windows() { return windows_; }
    [[nodiscard]] Game& game() { return game_; }
    [[nodiscard]] Gamepads& gamepads() { return gamepads_; }

private:
    PictureStore pictures_;
    MainWindow mainWindow_;
    ProgramWindows windows_;
    Win32WindowOps ops_;
    Game game_;
    Gamepads gamepads_;
};

} // namespace stackfall
