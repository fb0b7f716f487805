// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

#include "MainWindow.h"
#include "TopWindows.h"

#include <utility>

namespace stackfall {

ProgramWindows::ProgramWindows(HINSTANCE instance, PictureStore& pictures, MainWindow& main,
                               End end)
    : instance_(instance), pictures_(pictures), main_(main), end_(std::move(end)) {
    main_.onClosed([this] {
        if (lifetime_.mainClosed()) {
            end_(0);
        }
    });
}

std::unique_ptr<PictureWindow>& ProgramWindows::slot(Window which) {
    return which == Window::GameOver ? gameOver_ : about_;
}

const PictureWindow* ProgramWindows::window(Window which) const {
    return (which == Window::GameOver ? gameOver_ : about_).get();
}

void ProgramWindows::show(Window which) {
    if (lifetime_.ended()) {
        return;
    }
    auto& window = slot(which);
    if (!window) {
        // Destroyed from its own last message: nothing of it runs afterwards.
        window = std::make_unique<PictureWindow>(instance_, pictures_, windows::lookOf(which),
                                                 main_.handle(), [this, which] {
                                                     slot(which).reset();
                                                     if (lifetime_.closed(which)) {
                                                         end_(0);
                                                     }
                                                 });
        lifetime_.opened(which);
    }
    window->show();
}

// The program's own end takes every window with it: no event of any window
// is handled after the player's OK, and nothing waits for the windows to be
// taken down one by one.
void ProgramWindows::endProgram() {
    if (lifetime_.exitConfirmed()) {
        main_.stop();
        end_(0);
    }
}

} // namespace stackfall
