// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Sound.h"

#include <array>
#include <cstddef>
#include <span>

namespace stackfall {

// The wave images of the game's sounds, Settled, Turn and RowsRemoved in
// that order; an empty span where a sound has no image. The bytes live as
// long as the program.
using SoundImages = std::array<std::span<const std::byte>, 3>;

// The sound player as the executable sees it. On Linux the
// player and SDL under it live in a module that the executable loads when the
// first sound is asked for, so that nothing of the audio stack is loaded
// before then; this header is all the two share.
class SoundInterface {
public:
    SoundInterface() = default;
    virtual ~SoundInterface() = default;
    SoundInterface(const SoundInterface&) = delete;
    SoundInterface& operator=(const SoundInterface&) = delete;

    // Starts `sound` in place of any sound still playing and returns at once;
    // no sound is all a failure ever gives.
    virtual void play(Sound sound) = 0;
    // Lets the audio device, and the audio libraries' own threads, go when no
    // sound is playing.
    virtual void releaseIdleDevice() = 0;
};

// The module's one entry point, found by this name: makes a player of
// `images`. The caller owns the player and deletes it before the program
// ends.
using CreateSoundPlayer = SoundInterface* (*)(const SoundImages& images);
inline constexpr const char* CreateSoundPlayerName = "stackfall_create_sound_player";

} // namespace stackfall
