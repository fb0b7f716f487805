// The player on SDL's "disk" driver, which records what the device plays.
// Sounds are checked frame for frame against their decoded form, so a sound
// cut short, played twice or mixed with another shows.
#include "DiskOutput.h"
#include "OutputCheck.h"
#include "ResourceLookup.h"
#include "SoundPlayer.h"
#include "WaveBuilder.h"
#include "WaveDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>

namespace stackfall::testing {
namespace {

using namespace std::chrono_literals;

std::vector<std::byte> embedded(int id) {
    const auto image = embeddedResource("sounds", id);
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

// Sounds by id, as the executable's resources would give them.
class Sounds {
public:
    std::map<int, std::vector<std::byte>> images;
    std::vector<std::string> typesAsked;

    ResourceLookup lookup() {
        return [this](std::string_view type, int id) -> std::span<const std::byte> {
            typesAsked.emplace_back(type);
            const auto found = images.find(id);
            return found == images.end() ? std::span<const std::byte>{} : found->second;
        };
    }
};

// Long enough for the disk driver, which runs in real time, to have played
// `frames` and some silence after them.
void waitFor(std::size_t frames) {
    std::this_thread::sleep_for(std::chrono::milliseconds(frames * 1000 / 22050) + 400ms);
}

TEST(PlaybackTest, EachSoundPlaysWholeAndAlone) {
    const std::map<int, std::size_t> expectedFrames{{1, 2 * 2299}, {2, 3987}, {3, 1862}};
    for (const auto& [id, frames] : expectedFrames) {
        SCOPED_TRACE(id);
        DiskOutput disk;
        Sounds sounds;
        sounds.images[id] = embedded(id);
        const std::vector<Frame> sound = decoded(sounds.images[id]);
        ASSERT_EQ(sound.size(), frames);
        ::testing::internal::CaptureStderr();
        {
            SoundPlayer module(sounds.lookup());
            module.play(id);
            EXPECT_TRUE(std::ranges::equal(module.soundBuffer(), sounds.images[id]));
            waitFor(sound.size());
        }
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(sounds.typesAsked, (std::vector<std::string>{"sounds"}));
        const auto recorded = disk.frames();
        EXPECT_EQ(cutPoint(recorded, {}, sound), 0U)
            << recorded.size() << " frames recorded, sound starts at " << leadingSilence(recorded);
    }
}

TEST(PlaybackTest, TheDeviceIsLetGoOnlyOnceTheSoundHasPlayed) {
    DiskOutput disk;
    Sounds sounds;
    sounds.images[3] = embedded(3);
    SoundPlayer module(sounds.lookup());
    EXPECT_FALSE(module.deviceOpen());
    module.play(3);
    ASSERT_TRUE(module.deviceOpen());
    module.releaseIdleDevice(); // still playing: kept
    EXPECT_TRUE(module.deviceOpen());
    waitFor(1862);
    module.releaseIdleDevice();
    EXPECT_FALSE(module.deviceOpen());
    module.play(3); // and the next sound opens it again
    EXPECT_TRUE(module.deviceOpen());
}

TEST(PlaybackTest, ANewSoundCutsOffTheOneStillPlaying) {
    DiskOutput disk;
    Sounds sounds;
    sounds.images[1] = countingSound(2000ms);
    sounds.images[3] = embedded(3);
    {
        SoundPlayer module(sounds.lookup());
        module.play(1);
        std::this_thread::sleep_for(250ms);
        module.play(3);
        EXPECT_TRUE(std::ranges::equal(module.soundBuffer(), sounds.images[3]));
        waitFor(1862);
    }
    const auto first = decoded(sounds.images[1]);
    const auto heard = cutPoint(disk.frames(), first, decoded(sounds.images[3]));
    ASSERT_TRUE(heard.has_value());
    EXPECT_GT(*heard, 0U);
    EXPECT_LT(*heard, first.size());
}

TEST(PlaybackTest, RowsRemovedRightAfterATurnPlayOnlyTheRowSound) {
    DiskOutput disk;
    Sounds sounds;
    sounds.images[2] = embedded(2);
    sounds.images[3] = embedded(3);
    {
        SoundPlayer module(sounds.lookup());
        module.play(2);
        std::this_thread::sleep_for(50ms);
        module.play(3);
        waitFor(1862);
    }
    EXPECT_TRUE(
        cutPoint(disk.frames(), decoded(sounds.images[2]), decoded(sounds.images[3])).has_value());
}

TEST(PlaybackTest, EachTurnRestartsTheTurnSound) {
    DiskOutput disk;
    Sounds sounds;
    sounds.images[2] = countingSound(500ms);
    const auto sound = decoded(sounds.images[2]);
    {
        SoundPlayer module(sounds.lookup());
        for (int turn = 0; turn < 3; ++turn) {
            module.play(2);
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

TEST(PlaybackTest, AnUnknownIdStopsTheSoundAndEmptiesTheBuffer) {
    DiskOutput disk;
    Sounds sounds;
    sounds.images[1] = countingSound(2000ms);
    {
        SoundPlayer module(sounds.lookup());
        module.play(1);
        std::this_thread::sleep_for(250ms);
        module.play(4);
        EXPECT_TRUE(module.soundBuffer().empty());
        waitFor(0);
    }
    const auto first = decoded(sounds.images[1]);
    const auto heard = cutPoint(disk.frames(), first, {});
    ASSERT_TRUE(heard.has_value());
    EXPECT_GT(*heard, 0U);
    EXPECT_LT(*heard, first.size());
}

TEST(PlaybackTest, DamagedImagesPlayNothingAndSayNothing) {
    DiskOutput disk;
    Sounds sounds;
    sounds.images[3] = embedded(3);
    std::vector<std::vector<std::byte>> damaged;
    for (int id = 1; id <= 3; ++id) {
        const auto image = embedded(id);
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

    ::testing::internal::CaptureStderr();
    {
        SoundPlayer module(sounds.lookup());
        for (const auto& image : damaged) {
            sounds.images[1] = image;
            module.play(1);
            ASSERT_TRUE(std::ranges::equal(module.soundBuffer(), image));
        }
        // The next good sound plays as usual.
        module.play(3);
        waitFor(1862);
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(cutPoint(disk.frames(), {}, decoded(sounds.images[3])), 0U);
}

} // namespace
} // namespace stackfall::testing
