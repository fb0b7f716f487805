// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioOutput.h"

#include "OutputFormat.h"
#include "QuietLibraries.h"

#include <SDL.h>

namespace stackfall {

AudioOutput::AudioOutput() = default;

AudioOutput::~AudioOutput() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
    }
    quitSubsystem();
}

void AudioOutput::quitSubsystem() {
    if (!subsystemUp_) {
        return;
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystemUp_ = false;
    // The game uses SDL for nothing else: let it free its own state too.
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) {
        SDL_Quit();
    }
}

bool AudioOutput::open() {
    if (device_ != 0) {
        if (SDL_GetAudioDeviceStatus(device_) != SDL_AUDIO_STOPPED) {
            return true;
        }
        // The device has gone away (unplugged, say): look for one afresh.
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    if (!subsystemUp_) {
        if (!quiet_) {
            quiet_ = std::make_unique<QuietLibraries>();
        }
        // Ctrl+C and kill must keep ending the game.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            return false;
        }
        subsystemUp_ = true;
    }

    SDL_AudioSpec wanted{};
    wanted.freq = outputFormat.rate;
    wanted.format = outputFormat.sampleFormat;
    wanted.channels = outputFormat.channels;
    wanted.samples = outputFormat.bufferFrames;
    // No callback: sounds are queued. No changes allowed: SDL converts to
    // whatever the hardware takes, so every sound is decoded to one format.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void AudioOutput::play(std::span<const std::byte> pcm) {
    if (device_ == 0) {
        return;
    }
    // Under the lock the device cannot fetch between the two steps: it plays
    // the old sound up to here and the new one from its first frame.
    SDL_LockAudioDevice(device_);
    SDL_ClearQueuedAudio(device_);
    if (!pcm.empty()) {
        SDL_QueueAudio(device_, pcm.data(), static_cast<Uint32>(pcm.size()));
    }
    SDL_UnlockAudioDevice(device_);
}

void AudioOutput::releaseIfIdle() {
    if (device_ != 0) {
        if (SDL_GetQueuedAudioSize(device_) != 0) {
            return;
        }
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    // Also when no device could be opened: the subsystem is up all the same.
    quitSubsystem();
}

} // namespace stackfall
