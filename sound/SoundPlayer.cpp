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
    // Sounds are numbered from 1.
    const int number = static_cast<int>(sound);
    if (number < 1 || number > static_cast<int>(images_.size())) {
        return {};
    }
    const auto index = static_cast<std::size_t>(number - 1);
    std::optional<std::vector<std::byte>>& kept = decoded_[index];
    if (!kept) {
        kept = decodeWave(images_[index]);
    }
    return *kept;
}

} // namespace stackfall
