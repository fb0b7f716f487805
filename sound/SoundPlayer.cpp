// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundPlayer.h"

#include "WaveDecoder.h"

namespace stackfall {

void SoundPlayer::play(Sound sound) {
    const std::span<const std::byte> pcm = samples(sound);
    // Nothing to play needs no device; one already open stops the sound
    // before, as a new sound would.
    if (pcm.empty() || output_.open()) {
        output_.play(pcm);
    }
}

std::span<const std::byte> SoundPlayer::samples(Sound sound) {
    const int number = static_cast<int>(sound);
    if (number < 1 || number > static_cast<int>(SoundCount)) {
        return {};
    }
    std::optional<std::vector<std::byte>>& kept = decoded_[static_cast<std::size_t>(number - 1)];
    if (!kept) {
        kept = lookup_ ? decodeWave(lookup_(sound)) : std::vector<std::byte>{};
    }
    return *kept;
}

} // namespace stackfall
