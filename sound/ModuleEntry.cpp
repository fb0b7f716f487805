// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the sound module: the only symbol it exports.
#include "SoundInterface.h"
#include "SoundPlayer.h"

#include <type_traits>

// The module is built on Linux only, with hidden symbols by default.
#define STACKFALL_EXPORT __attribute__((visibility("default")))

extern "C" STACKFALL_EXPORT stackfall::SoundInterface*
stackfall_create_sound_player(const stackfall::SoundImages& images) {
    // The executable's type check: a change of signature fails to compile here.
    static_assert(
        std::is_same_v<decltype(&stackfall_create_sound_player), stackfall::CreateSoundPlayer>);
    // Owned by the caller from here on.
    return new stackfall::SoundPlayer(images);
}
