// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PictureWindow.h"
#include "ProgramLifetime.h"
#include "WindowOps.h"

#include <functional>
#include <memory>
#include <windows.h>

namespace stackfall {

class MainWindow;
class PictureStore;

// The program's windows besides the main one, and its end. The game-over
// picture and the about box exist at most once each: showing one that is
// open only brings it forward; a click closes and destroys it, and the next
// show builds it afresh.
//
// The program ends when its last window closes, so closing the main window
// while a picture window is open leaves it running until that one is
// clicked; or at once when the player confirms Exit.
class ProgramWindows {
public:
    // Ends the program with an exit code; the program's own ends the
    // process there and then, a test's records it.
    using End = std::function<void(int exitCode)>;

    ProgramWindows(HINSTANCE instance, PictureStore& pictures, MainWindow& main, End end);
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    void show(Window which);
    void endProgram();

    // The open window, or null.
    [[nodiscard]] const PictureWindow* window(Window which) const;

private:
    [[nodiscard]] std::unique_ptr<PictureWindow>& slot(Window which);

    HINSTANCE instance_;
    PictureStore& pictures_;
    MainWindow& main_;
    End end_;
    std::unique_ptr<PictureWindow> gameOver_;
    std::unique_ptr<PictureWindow> about_;
    ProgramLifetime lifetime_;
};

} // namespace stackfall
