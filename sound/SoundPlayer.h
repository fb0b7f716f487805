// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AudioOutput.h"
#include "Sound.h"
#include "SoundInterface.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace stackfall {

// Finds the wave image of a sound; an empty span when there is none. The
// bytes must stay valid for the duration of the call.
using SoundLookup = std::function<std::span<const std::byte>(Sound sound)>;

// Plays the game's wave sounds, one at a time. Each sound is decoded the
// first time it is played and kept, so that later calls only queue it.
class SoundPlayer final : public SoundInterface {
public:
    explicit SoundPlayer(SoundLookup lookup) : lookup_(std::move(lookup)) {}

    // Starts `sound` in place of any sound still playing and returns at once.
    // Nothing is reported: without a device, or with a damaged image or a
    // value outside the enumeration, there is simply no sound (the one before
    // stops all the same), and the next call tries again. Never lets queued
    // window events run.
    void play(Sound sound) override;

    // Lets the audio device, and SDL's audio, go when no sound is playing;
    // the caller decides when (the game does so a few seconds after its last
    // sound).
    void releaseIdleDevice() override { output_.releaseIfIdle(); }
    [[nodiscard]] bool deviceOpen() const { return output_.isOpen(); }

private:
    // Settled, Turn and RowsRemoved, numbered from 1.
    static constexpr std::size_t SoundCount = 3;

    // The sound in the output format, decoded on first use; empty when it
    // cannot be played.
    [[nodiscard]] std::span<const std::byte> samples(Sound sound);

    SoundLookup lookup_;
    // A damaged image decodes to nothing every time, so an empty result is
    // kept like any other.
    std::array<std::optional<std::vector<std::byte>>, SoundCount> decoded_;
    AudioOutput output_;
};

} // namespace stackfall
