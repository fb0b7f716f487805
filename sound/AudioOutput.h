// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace stackfall {

class QuietLibraries;

// SDL's audio subsystem and the one device the sounds play on, in the output
// format. Both come up on first use; a failure leaves nothing half open, and
// the next use tries again.
class AudioOutput {
public:
    AudioOutput();
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // True when the device is open and playing, opening it if need be.
    [[nodiscard]] bool open();
    // Drops whatever is still queued and plays `pcm` in its place, with no
    // gap and no overlap; an empty span just stops the sound.
    void play(std::span<const std::byte> pcm);
    // Once nothing is left to play, closes the device and takes SDL's audio
    // down with it, so that no audio thread runs between games: SDL's ALSA
    // driver keeps one that looks for new devices ten times a second, device
    // or none. The next sound brings both up again.
    void releaseIfIdle();
    [[nodiscard]] bool isOpen() const { return device_ != 0; }

private:
    std::unique_ptr<QuietLibraries> quiet_; // from the first open on
    void quitSubsystem();

    bool subsystemUp_ = false;
    std::uint32_t device_ = 0; // SDL_AudioDeviceID, 0 while closed
};

} // namespace stackfall
