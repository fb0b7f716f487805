#pragma once

#include "AudioOutput.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace stackfall {

// Finds an embedded resource by type name and id; an empty span when there
// is none. The bytes must stay valid for the duration of the call.
using ResourceLookup = std::function<std::span<const std::byte>(std::string_view type, int id)>;

// The sound module: plays the game's wave sounds, one at a time, and keeps
// the image of the sound started last.
class SoundPlayer {
public:
    explicit SoundPlayer(ResourceLookup lookup) : lookup_(std::move(lookup)) {}

    // Starts sound `id` (1 to 3) in place of any sound still playing and
    // returns at once. Nothing is reported: without a device, or with an
    // unknown id or a damaged image, there is simply no sound, and the next
    // call tries again. Never lets queued window events run.
    void play(int id);

    // Lets the audio device go when no sound is playing; the caller decides
    // when (the game does so a few seconds after its last sound).
    void releaseIdleDevice() { output_.closeIfIdle(); }
    [[nodiscard]] bool deviceOpen() const { return output_.isOpen(); }

    // The wave image of the sound started last.
    [[nodiscard]] std::span<const std::byte> soundBuffer() const { return soundBuffer_; }

private:
    ResourceLookup lookup_;
    std::vector<std::byte> soundBuffer_;
    AudioOutput output_;
};

} // namespace stackfall
