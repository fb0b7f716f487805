// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Sound.h"

namespace stackfall {

// What plays the game's sounds: the program's SoundPlayer, or a test's
// recorder.
class SoundOutput {
public:
    SoundOutput() = default;
    virtual ~SoundOutput() = default;
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Starts `sound` and returns at once.
    virtual void play(Sound sound) = 0;
};

} // namespace stackfall
