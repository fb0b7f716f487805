// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgramLifetime.h"
#include "WindowLists.h"
#include "WindowOps.h"

#include <QObject>

#include <functional>
#include <memory>

namespace stackfall {

class MainWindow;
class PictureWindow;

// The program's windows besides the main one, and its end. The game-over
// picture and the about box exist at most once each, centred on the screen
// and owned by no window: showing one that is open only raises it and asks
// the desktop to activate it, where it stands; a click closes and destroys
// it, and the next show builds it afresh.
//
// The program ends when its last window closes, so closing the main window
// while a picture window is open leaves it running until that one is
// clicked; or at once, every window closing, when the player confirms Exit.
class ProgramWindows final : public QObject {
public:
    using Quit = std::function<void(int exitCode)>;

    ProgramWindows(MainWindow& main, Quit quit);
    ~ProgramWindows() override;

    void show(Window which);
    void endProgram();

    // The open window, or null.
    [[nodiscard]] PictureWindow* window(Window which) const;

private:
    [[nodiscard]] std::unique_ptr<PictureWindow>& slot(Window which);
    void closed(Window which);

    MainWindow& main_;
    Quit quit_;
    std::unique_ptr<PictureWindow> gameOver_;
    std::unique_ptr<PictureWindow> about_;
    ProgramLifetime lifetime_;
    WindowLists lists_;
};

} // namespace stackfall
