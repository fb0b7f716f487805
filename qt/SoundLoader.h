// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundInterface.h"

#include <QStringList>

#include <memory>

namespace stackfall {

// Where the sound module is looked for: beside the executable, as in a build
// tree, then the folder it is installed in.
[[nodiscard]] QStringList soundModuleFolders();

// Makes the sound player and hands it the embedded sounds; null where there
// is no player to be had. On Linux it loads the sound module from
// the first of `folders` that has it; on macOS the player is linked into the
// executable, so that macdeployqt sees SDL2 and copies it into the bundle.
[[nodiscard]] std::unique_ptr<SoundInterface> loadSoundPlayer(const QStringList& folders);

} // namespace stackfall
