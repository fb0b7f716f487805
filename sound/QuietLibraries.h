// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL_log.h>

namespace stackfall {

// The game reports nothing about its sound, but the libraries under it talk:
// ALSA writes a line to stderr for each sound card it cannot open, and SDL
// logs some of its choices. While this object lives both go nowhere.
//
// ALSA is reached through SDL's library loader rather than linked: where it
// is missing there is nothing to quiet.
class QuietLibraries {
public:
    QuietLibraries();
    ~QuietLibraries();
    QuietLibraries(const QuietLibraries&) = delete;
    QuietLibraries& operator=(const QuietLibraries&) = delete;

private:
    // Held so that ALSA, and the handler set in it, stays loaded.
    void* alsa_ = nullptr;
    SDL_LogOutputFunction savedLog_ = nullptr;
    void* savedLogData_ = nullptr;
};

} // namespace stackfall
