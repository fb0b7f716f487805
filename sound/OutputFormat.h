// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL_audio.h>

namespace stackfall {

// The one format every sound is converted to before it is queued, and the
// format the device is opened with. 22050 Hz is the rate of two of the three
// sounds; SDL converts further if the hardware wants something else.
struct OutputFormat {
    SDL_AudioFormat sampleFormat;
    Uint8 channels;
    int rate;
    // Frames per device buffer: 512 at 22050 Hz is 23 ms, so a sound starts
    // within about 25 ms of the call.
    Uint16 bufferFrames;

    [[nodiscard]] constexpr int bytesPerFrame() const {
        return SDL_AUDIO_BITSIZE(sampleFormat) / 8 * channels;
    }
};

inline constexpr OutputFormat outputFormat{AUDIO_S16SYS, 2, 22050, 512};

} // namespace stackfall
