// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClockRandom.h"
#include "Game.h"
#include "MainWindow.h"
#include "PictureStore.h"
#include "ProgramWindows.h"
#include "SoundPlayer.h"
#include "Win32WindowOps.h"

#include <windows.h>

namespace stackfall {

// The whole program wired together: the pictures and sounds, the main
// window, the picture windows and the program's end, the window operations
// and the rules.
class Program {
public:
    explicit Program(HINSTANCE instance);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the rules' load step, then shows the main window centred on the
    // screen.
    void start();
    // Handles the program's messages until it ends; its exit code.
    int run();

    [[nodiscard]] MainWindow& mainWindow() { return mainWindow_; }

private:
    PictureStore pictures_;
    SoundPlayer sounds_;
    MainWindow mainWindow_;
    ProgramWindows windows_;
    Win32WindowOps ops_;
    ClockRandom random_;
    Game game_;
};

} // namespace stackfall
