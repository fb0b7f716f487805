// SPDX-License-Identifier: GPL-3.0-or-later
// Without a usable device the game plays on in silence: no message, no
// crash, and a device that turns up later is used from the next call on.
#include "DiskOutput.h"
#include "EmbeddedSounds.h"
#include "OutputCheck.h"
#include "SoundPlayer.h"
#include "WaveDecoder.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace stackfall::testing {
namespace {

using namespace std::chrono_literals;

std::vector<Frame> decodedSound(Sound sound) {
    return framesOf(decodeWave(embeddedSound(sound)));
}

class NoDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
    }
    void TearDown() override {
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        ::unsetenv("SDL_AUDIODRIVER");
        ::unsetenv("AUDIODEV");
    }
};

// Values outside the enumeration are played too, to show that the player
// never reads past its store of decoded sounds.
TEST_F(NoDeviceTest, WithoutADriverNoCallOpensADevice) {
    ::setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    SoundPlayer module(embeddedSounds());
    for (int round = 0; round < 20; ++round) {
        for (int id = -1; id <= 4; ++id) {
            module.play(static_cast<Sound>(id));
            ASSERT_FALSE(module.deviceOpen());
        }
    }
}

TEST_F(NoDeviceTest, ADriverThatAppearsLaterIsUsed) {
    DiskOutput disk;
    ::setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    {
        SoundPlayer module(embeddedSounds());
        module.play(Sound::Turn);
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        module.play(Sound::RowsRemoved);
        std::this_thread::sleep_for(500ms);
    }
    EXPECT_EQ(cutPoint(disk.frames(), {}, decodedSound(Sound::RowsRemoved)), 0U);
}

TEST_F(NoDeviceTest, ADeviceThatCannotBeOpenedIsTriedAgain) {
    DiskOutput disk;
    // The disk driver cannot create its file here.
    ::setenv("SDL_DISKAUDIOFILE", "/nonexistent/stackfall/output.raw", 1);
    {
        SoundPlayer module(embeddedSounds());
        module.play(Sound::Turn);
        ::setenv("SDL_DISKAUDIOFILE", disk.path().c_str(), 1);
        module.play(Sound::Settled);
        std::this_thread::sleep_for(650ms);
    }
    EXPECT_EQ(cutPoint(disk.frames(), {}, decodedSound(Sound::Settled)), 0U);
}

TEST_F(NoDeviceTest, AlsaKeepsItsComplaintsToItself) {
    // ALSA writes "Unknown PCM" to stderr when asked for a device that does
    // not exist, unless the player has quieted it. Where ALSA is missing the
    // driver fails before it can say anything.
    ::setenv("SDL_AUDIODRIVER", "alsa", 1);
    ::setenv("AUDIODEV", "stackfall_no_such_pcm", 1);
    SoundPlayer module(embeddedSounds());
    module.play(Sound::Settled);
    module.play(Sound::RowsRemoved);
    // No device was opened, but ALSA's device watcher would run on.
    module.releaseIdleDevice();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0U);
}

} // namespace
} // namespace stackfall::testing
