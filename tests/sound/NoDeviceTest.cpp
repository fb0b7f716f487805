// Without a usable device the game plays on in silence: no message, no
// crash, and a device that turns up later is used from the next call on.
#include "DiskOutput.h"
#include "OutputCheck.h"
#include "ResourceLookup.h"
#include "SoundPlayer.h"
#include "WaveDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace stackfall::testing {
namespace {

using namespace std::chrono_literals;

std::vector<Frame> decodedSound(int id) {
    return framesOf(decodeWave(embeddedResource("sounds", id)));
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

TEST_F(NoDeviceTest, WithoutADriverEveryCallStillTakesItsSound) {
    ::setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    SoundPlayer module(embeddedResource);
    for (int round = 0; round < 20; ++round) {
        for (int id = 1; id <= 3; ++id) {
            module.play(id);
            ASSERT_TRUE(std::ranges::equal(module.soundBuffer(), embeddedResource("sounds", id)));
        }
    }
}

TEST_F(NoDeviceTest, ADriverThatAppearsLaterIsUsed) {
    DiskOutput disk;
    ::setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    {
        SoundPlayer module(embeddedResource);
        module.play(2);
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        module.play(3);
        std::this_thread::sleep_for(500ms);
    }
    EXPECT_EQ(cutPoint(disk.frames(), {}, decodedSound(3)), 0U);
}

TEST_F(NoDeviceTest, ADeviceThatCannotBeOpenedIsTriedAgain) {
    DiskOutput disk;
    // The disk driver cannot create its file here.
    ::setenv("SDL_DISKAUDIOFILE", "/nonexistent/stackfall/output.raw", 1);
    {
        SoundPlayer module(embeddedResource);
        module.play(2);
        ::setenv("SDL_DISKAUDIOFILE", disk.path().c_str(), 1);
        module.play(1);
        std::this_thread::sleep_for(650ms);
    }
    EXPECT_EQ(cutPoint(disk.frames(), {}, decodedSound(1)), 0U);
}

TEST_F(NoDeviceTest, AlsaKeepsItsComplaintsToItself) {
    // ALSA writes "Unknown PCM" to stderr when asked for a device that does
    // not exist, unless the player has quieted it. Where ALSA is missing the
    // driver fails before it can say anything.
    ::setenv("SDL_AUDIODRIVER", "alsa", 1);
    ::setenv("AUDIODEV", "stackfall_no_such_pcm", 1);
    SoundPlayer module(embeddedResource);
    module.play(1);
    module.play(3);
}

} // namespace
} // namespace stackfall::testing
