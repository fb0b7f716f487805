// SPDX-License-Identifier: GPL-3.0-or-later
// The player on SDL's "disk" driver, which records what the device plays.
// Sounds are checked frame for frame against their decoded form, so a sound
// cut short, played twice or mixed with another shows.
#include "DiskOutput.h"
#include "EmbeddedSounds.h"
#include "OutputCheck.h"
#include "SoundPlayer.h"
#include "WaveBuilder.h"
#include "WaveDecoder.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>

namespace stackfall::testing {
namespace {

using namespace std::chrono_literals;

std::vector<std::byte> embedded(Sound sound) {
    const auto image = embeddedSound(sound);
    return {image.begin(), image.end()};
}

// A test sound whose frames never repeat and are never silent: left counts
// up, right counts the wraps of left.
std::vector<std::byte> countingSound(std::chrono::milliseconds length) {
    const auto frames = static_cast<std::size_t>(length.count() * 22050 / 1000);
    std::vector<std::int16_t> samples;
    for (std::size_t i = 0; i < frames; ++i) {
        samples.push_back(static_cast<std::int16_t>(1 + i % 30000));
        samples.push_back(static_cast<std::int16_t>(1 + i / 30000));
    }
    return pcm16Wave(2, 22050, samples);
}

std::vector<Frame> decoded(const std::vector<std::byte>& image) {
    return framesOf(decodeWave(image));
}

// Wave images by sound, as the executable's resources would give them.
class Sounds {
public:
    std::map<Sound, std::vector<std::byte>> images;

    [[nodiscard]] SoundImages spans() const {
        SoundImages spans;
        for (const auto& [sound, image] : images) {
            spans.at(static_cast<std::size_t>(sound) - 1) = image;
        }
        return spans;
    }
};

// Long enough for the disk driver, which runs in real time, to have played
// `frames` and some silence after them.
void waitFor(std::size_t frames) {
    std::this_thread::sleep_for(std::chrono::milliseconds(frames * 1000 / 22050) + 400ms);
}

TEST(PlaybackTest, EachSoundPlaysWholeAndAlone) {
    const std::map<Sound, std::size_t> expectedFrames{
        {Sound::Settled, 2 * 2299}, {Sound::Turn, 3987}, {Sound::RowsRemoved, 1862}};
    for (const auto& [id, frames] : expectedFrames) {
        SCOPED_TRACE(static_cast<int>(id));
        DiskOutput disk;
        Sounds sounds;
        sounds.images[id] = embedded(id);
        const std::vector<Frame> sound = decoded(sounds.images[id]);
        ASSERT_EQ(sound.size(), frames);
        ::testing::internal::CaptureStderr();
        {
            SoundPlayer module(sounds.spans());
            module.play(id);
            waitFor(sound.size());
        }
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        const auto recorded = disk.frames();
        EXPECT_EQ(cutPoint(recorded, {}, sound), 0U)
            << recorded.size() << " frames recorded, sound starts at " << leadingSilence(recorded);
    }
}

TEST(PlaybackTest, TheDeviceIsLetGoOnlyOnceTheSoundHasPlayed) {
    DiskOutput disk;
    Sounds sounds;
    sounds.images[Sound::RowsRemoved] = embedded(Sound::RowsRemoved);
    SoundPlayer module(sounds.spans());
    EXPECT_FALSE(module.deviceOpen());
    module.play(Sound::RowsRemoved);
    ASSERT_TRUE(module.deviceOpen());
    module.releaseIdleDevice(); // still playing: kept
    EXPECT_TRUE(module.deviceOpen());
    waitFor(1862);
    module.releaseIdleDevice();
    EXPECT_FALSE(module.deviceOpen());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0U); // no audio thread left running
    module.play(Sound::RowsRemoved);            // and the next sound opens it again
    EXPECT_TRUE(module.deviceOpen());
}

TEST(PlaybackTest, ANewSoundCutsOffTheOneStillPlaying) {
    DiskOutput disk;
    Sounds sounds;
    sounds.images[Sound::Settled] = countingSound(2000ms);
    sounds.images[Sound::RowsRemoved] = embedded(Sound::RowsRemoved);
    {
        SoundPlayer module(sounds.spans());
        module.play(Sound::Settled);
        std::this_thread::sleep_for(250ms);
        module.play(Sound::RowsRemoved);
        waitFor(1862);
    }
    const auto first = decoded(sounds.images[Sound::Settled]);
    const auto heard = cutPoint(disk.frames(), first, decoded(sounds.images[Sound::RowsRemoved]));
    ASSERT_TRUE(heard.has_value());
    EXPECT_GT(*heard, 0U);
    EXPECT_LT(*heard, first.size());
}

TEST(PlaybackTest, RowsRemovedRightAfterATurnPlayOnlyTheRowSound) {
    DiskOutput disk;
    Sounds sounds;
    sounds.images[Sound::Turn] = embedded(Sound::Turn);
    sounds.images[Sound::RowsRemoved] = embedded(Sound::RowsRemoved);
    {
        SoundPlayer module(sounds.spans());
        module.play(Sound::Turn);
        std::this_thread::sleep_for(50ms);
        module.play(Sound::RowsRemoved);
        waitFor(1862);
    }
    EXPECT_TRUE(cutPoint(disk.frames(), decoded(sounds.images[Sound::Turn]),
                         decoded(sounds.images[Sound::RowsRemoved]))
                    .has_value());
}

// Only the first turn decodes the sound: the others replay what it kept,
// whole, though the image is wiped after the first.
TEST(PlaybackTest, EachTurnRestartsTheTurnSound) {
    DiskOutput disk;
    Sounds sounds;
    sounds.images[Sound::Turn] = countingSound(500ms);
    const auto sound = decoded(sounds.images[Sound::Turn]);
    {
        SoundPlayer module(sounds.spans());
        for (int turn = 0; turn < 3; ++turn) {
            module.play(Sound::Turn);
            std::ranges::fill(sounds.images[Sound::Turn], std::byte{0});
            std::this_thread::sleep_for(150ms);
        }
        waitFor(sound.size());
    }
    const auto runs = restarts(disk.frames(), sound);
    ASSERT_TRUE(runs.has_value());
    ASSERT_EQ(runs->size(), 3U);
    EXPECT_LT((*runs)[0], sound.size());
    EXPECT_LT((*runs)[1], sound.size());
    EXPECT_EQ((*runs)[2], sound.size());
}

// A sound that cannot be played still stops the one before it: a value
// outside the enumeration, a damaged image, and one already found damaged
// before.
TEST(PlaybackTest, ASoundThatCannotBePlayedStopsTheSoundBefore) {
    struct Case {
        Sound next;
        bool triedBefore;
    };
    for (const auto [next, triedBefore] :
         {Case{static_cast<Sound>(4), false}, Case{static_cast<Sound>(0), false},
          Case{Sound::Turn, false}, Case{Sound::Turn, true}}) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(next) << ", " << triedBefore);
        DiskOutput disk;
        Sounds sounds;
        sounds.images[Sound::Settled] = countingSound(1000ms);
        sounds.images[Sound::Turn] = embedded(Sound::Turn);
        sounds.images[Sound::Turn].resize(100);
        const auto first = decoded(sounds.images[Sound::Settled]);
        {
            SoundPlayer module(sounds.spans());
            if (triedBefore) {
                module.play(next);
            }
            module.play(Sound::Settled);
            std::this_thread::sleep_for(250ms);
            module.play(next);
            // Past the end the first sound would have had.
            waitFor(first.size());
        }
        const auto heard = cutPoint(disk.frames(), first, {});
        ASSERT_TRUE(heard.has_value());
        EXPECT_GT(*heard, 0U);
        EXPECT_LT(*heard, first.size() / 2);
    }
}

// Each damaged image goes to a player of its own, since a player decodes
// each sound only once.
TEST(PlaybackTest, DamagedImagesPlayNothingAndSayNothing) {
    DiskOutput disk;
    std::vector<std::vector<std::byte>> damaged;
    for (const Sound sound : {Sound::Settled, Sound::Turn, Sound::RowsRemoved}) {
        const auto image = embedded(sound);
        for (std::size_t size = 0; size < image.size(); ++size) {
            damaged.emplace_back(image.data(), image.data() + size);
        }
        auto noChannels = image;
        putLe16(noChannels, 22, 0);
        damaged.push_back(noChannels);
        auto unknownTag = image;
        putLe16(unknownTag, 20, 0x1234);
        damaged.push_back(unknownTag);
        auto oversized = image;
        putLe32(oversized, 4, static_cast<std::uint32_t>(image.size()));
        damaged.push_back(oversized);
    }

    Sounds sounds;
    sounds.images[Sound::RowsRemoved] = embedded(Sound::RowsRemoved);
    ::testing::internal::CaptureStderr();
    for (const auto& image : damaged) {
        sounds.images[Sound::Settled] = image;
        SoundPlayer module(sounds.spans());
        module.play(Sound::Settled);
        // Nothing to play: not even a device is opened for it.
        ASSERT_FALSE(module.deviceOpen());
    }
    {
        // The next good sound plays as usual.
        SoundPlayer module(sounds.spans());
        module.play(Sound::Settled);
        module.play(Sound::RowsRemoved);
        waitFor(1862);
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(cutPoint(disk.frames(), {}, decoded(sounds.images[Sound::RowsRemoved])), 0U);
}

} // namespace
} // namespace stackfall::testing
