// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

namespace stackfall {

Program::Program(HINSTANCE instance)
    : pictures_(instance), sounds_(instance), mainWindow_(instance, pictures_),
      windows_(instance, pictures_, mainWindow_), ops_(mainWindow_, windows_, sounds_),
      game_(ops_, random_) {
    mainWindow_.attach(game_);
}

void Program::start() {
    game_.load();
    mainWindow_.show();
}

int Program::run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (mainWindow_.keyPressed(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace stackfall
