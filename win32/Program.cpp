// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

#include <utility>

namespace stackfall {

Program::Program(HINSTANCE instance, RandomSource& random, SoundOutput& sounds,
                 ProgramWindows::End end)
    : pictures_(instance), mainWindow_(instance, pictures_),
      windows_(instance, pictures_, mainWindow_, std::move(end)),
      ops_(mainWindow_, windows_, sounds), game_(ops_, random), gamepads_(game_, mainWindow_) {
    mainWindow_.attach(game_);
}

void Program::start() {
    game_.load();
    mainWindow_.show();
    // After the first paint: XInput is not needed to draw it.
    gamepads_.scan();
}

void Program::deliver(const MSG& message) {
    if (!mainWindow_.keyPressed(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int Program::run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        deliver(message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace stackfall
