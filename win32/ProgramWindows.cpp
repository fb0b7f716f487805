// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

#include "MainWindow.h"
#include "Windows.h"

namespace stackfall {

ProgramWindows::ProgramWindows(HINSTANCE instance, PictureStore& pictures, MainWindow& main)
    : instance_(instance), pictures_(pictures), main_(main) {
    main_.onClosed([this] {
        mainOpen_ = false;
        quitIfNoneLeft();
    });
}

std::unique_ptr<PictureWindow>& ProgramWindows::slot(Window which) {
    return which == Window::GameOver ? gameOver_ : about_;
}

void ProgramWindows::show(Window which) {
    if (ended_) {
        return;
    }
    auto& window = slot(which);
    if (!window) {
        // Destroyed from its own last message: nothing of it runs afterwards.
        window = std::make_unique<PictureWindow>(instance_, pictures_, windows::lookOf(which),
                                                 main_.handle(), [this, which] {
                                                     slot(which).reset();
                                                     quitIfNoneLeft();
                                                 });
    }
    window->show();
}

void ProgramWindows::quitIfNoneLeft() {
    if (!ended_ && !mainOpen_ && !gameOver_ && !about_) {
        ended_ = true;
        PostQuitMessage(0);
    }
}

// Every window goes with the process, which ends as soon as the message loop
// sees the quit; no event of any window reaches the game before that.
void ProgramWindows::endProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    main_.stop();
    PostQuitMessage(0);
}

} // namespace stackfall
