// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

#include <QScreen>

#include <utility>

namespace stackfall {

Program::Program(RandomSource& random, SoundInterface& sound, ProgramWindows::Quit quit)
    : windows_(mainWindow_, std::move(quit)), ops_(mainWindow_, windows_, sound),
      game_(ops_, random), gamepads_(game_, mainWindow_) {
    mainWindow_.attach(game_);
}

void Program::start(const QString& padFolder) {
    game_.load();
    if (const QScreen* screen = mainWindow_.screen()) {
        mainWindow_.move(screen->availableGeometry().center() - mainWindow_.rect().center());
    }
    mainWindow_.show();
    gamepads_.watch(padFolder);
}

} // namespace stackfall
