#include "Module1.h"

#include "WaveDecoder.h"

namespace stackfall {

void Module1::PlaySoundRes(int id) {
    const std::span<const std::byte> image =
        lookup_ ? lookup_("sounds", id) : std::span<const std::byte>{};
    SoundBuffer.assign(image.begin(), image.end());
    if (!output_.open()) {
        return;
    }
    // A sound that cannot be decoded still stops the one before it: the
    // buffer no longer holds that one.
    output_.play(decodeWave(SoundBuffer));
}

} // namespace stackfall
