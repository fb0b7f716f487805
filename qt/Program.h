// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ForwardingWindowOps.h"
#include "Game.h"
#include "GameTimer.h"
#include "Gamepads.h"
#include "MainWindow.h"
#include "ProgramWindows.h"
#include "SoundInterface.h"

namespace stackfall {

class RandomSource;

// The game's window operations on the Qt windows.
using QtWindowOps = ForwardingWindowOps<MainWindow, ProgramWindows, SoundInterface>;

// The whole program wired together: the main window, the picture windows
// and the program's end, the window operations and the rules. main() builds
// it with the real generator, sound and exit; the window tests build the same
// with their own, so they exercise the wiring that ships.
class Program {
public:
    Program(RandomSource& random, SoundInterface& sound, ProgramWindows::Quit quit);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the rules' load step, then shows the main window centred on its
    // screen and reads the gamepads of `padFolder`.
    void start(const QString& padFolder = QStringLiteral("/dev/input"));

    [[nodiscard]] MainWindow& mainWindow() { return mainWindow_; }
    [[nodiscard]] ProgramWindows& windows() { return windows_; }
    [[nodiscard]] QtWindowOps& windowOps() { return ops_; }
    [[nodiscard]] Game& game() { return game_; }
    [[nodiscard]] Gamepads& gamepads() { return gamepads_; }

private:
    MainWindow mainWindow_;
    ProgramWindows windows_;
    QtWindowOps ops_;
    Game game_;
    Gamepads gamepads_;
};

} // namespace stackfall
