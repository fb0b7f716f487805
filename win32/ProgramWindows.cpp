// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

#include "MainWindow.h"
#include "TopWindows.h"

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

// The process ends here and now, taking every window with it: no event of
// any window is handled after the player's OK, and nothing waits for the
// windows to be taken down one by one.
void ProgramWindows::endProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    main_.stop();
    ExitProcess(0);
}

} // namespace stackfall
