#include "SoundPlayer.h"

#include "WaveDecoder.h"

namespace stackfall {

void SoundPlayer::play(int id) {
    const std::span<const std::byte> image =
        lookup_ ? lookup_("sounds", id) : std::span<const std::byte>{};
    soundBuffer_.assign(image.begin(), image.end());
    if (!output_.open()) {
        return;
    }
    // A sound that cannot be decoded still stops the one before it: the
    // buffer no longer holds that one.
    output_.play(decodeWave(soundBuffer_));
}

} // namespace stackfall
