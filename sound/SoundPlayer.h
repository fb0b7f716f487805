// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AudioOutput.h"
#include "Sound.h"
#include "SoundInterface.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace stackfall {

// Plays the game's wave sounds, one at a time. Each sound is decoded the
// first time it is played and kept, so that later calls only queue it; the
// images must stay valid until then.
class SoundPlayer final : public SoundInterface {
public:
    explicit SoundPlayer(const SoundImages& images) : images_(images) {}

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
    // The sound in the output format, decoded on first use; empty when it
    // cannot be played.
    [[nodiscard]] std::span<const std::byte> samples(Sound sound);

    SoundImages images_;
    // A damaged image decodes to nothing every time, so an empty result is
    // kept like any other.
    std::array<std::optional<std::vector<std::byte>>, std::tuple_size_v<SoundImages>> decoded_;
    AudioOutput output_;
};

} // namespace stackfall
