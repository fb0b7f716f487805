// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player linked into the executable, as on macOS.
#include "EmbeddedSounds.h"
#include "SoundLoader.h"
#include "SoundPlayer.h"

namespace stackfall {

QStringList soundModuleFolders() {
    return {};
}

std::unique_ptr<SoundInterface> loadSoundPlayer(const QStringList&) {
    return std::make_unique<SoundPlayer>(embeddedSounds());
}

} // namespace stackfall
