// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveDecoder.h"

#include "DiskOutput.h"
#include "EmbeddedSounds.h"
#include "RiffChunks.h"
#include "WaveBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace stackfall::testing {
namespace {

std::vector<std::byte> sound(int id) {
    const auto image = embeddedSound(static_cast<Sound>(id));
    return {image.begin(), image.end()};
}

// Offset of a chunk's body in the image.
std::size_t bodyOf(const std::vector<std::byte>& image, const std::string& id) {
    const auto chunks = riffChunks(image);
    const Chunk* chunk = findChunk(chunks, id);
    return chunk == nullptr ? 0 : chunk->offset + 8;
}

TEST(WaveDecoderTest, SettleSoundIsResampledToTwiceItsFramesInStereo) {
    const auto image = sound(1);
    const auto frames = framesOf(decodeWave(image));
    ASSERT_EQ(frames.size(), 2U * 2299U);
    // Upsampling by two keeps the original samples at the even frames, up
    // to the filter's ripple; 8-bit samples are unsigned around 128.
    const std::size_t data = bodyOf(image, "data");
    for (std::size_t i = 0; i < 2299; ++i) {
        const int original = (std::to_integer<int>(image[data + i]) - 128) * 256;
        ASSERT_NEAR(frames[2 * i].left, original, 64) << i;
    }
    for (const Frame& frame : frames) {
        ASSERT_EQ(frame.left, frame.right);
    }
}

TEST(WaveDecoderTest, TurnSoundDecodesAdpcmUpToTheFactLength) {
    const auto image = sound(2);
    const auto frames = framesOf(decodeWave(image));
    ASSERT_EQ(frames.size(), 3987U);
    // Each block header stores its first two frames as plain samples: per
    // channel a predictor byte, then delta, second and first sample.
    const std::size_t data = bodyOf(image, "data");
    for (std::size_t block = 0; block < 4; ++block) {
        const std::size_t header = data + block * 1024;
        const auto sample = [&](std::size_t offset) {
            return static_cast<std::int16_t>(le16(image, header + offset));
        };
        const std::size_t first = block * 1012;
        EXPECT_EQ(frames[first], (Frame{sample(10), sample(12)})) << block;
        EXPECT_EQ(frames[first + 1], (Frame{sample(6), sample(8)})) << block;
    }
    // The right channel lags the left, so the two differ.
    EXPECT_NE(std::count_if(frames.begin(), frames.end(),
                            [](const Frame& f) { return f.left != f.right; }),
              0);
}

TEST(WaveDecoderTest, RowsSoundIsCopiedToBothChannels) {
    const auto image = sound(3);
    const auto frames = framesOf(decodeWave(image));
    ASSERT_EQ(frames.size(), 1862U);
    const std::size_t data = bodyOf(image, "data");
    for (std::size_t i = 0; i < frames.size(); ++i) {
        // SDL converts by way of floating point, which may round by one.
        const auto original = static_cast<std::int16_t>(le16(image, data + 2 * i));
        ASSERT_NEAR(frames[i].left, original, 1) << i;
        ASSERT_EQ(frames[i].left, frames[i].right) << i;
    }
}

TEST(WaveDecoderTest, RefusesEveryTruncation) {
    for (int id = 1; id <= 3; ++id) {
        const auto image = sound(id);
        ASSERT_FALSE(decodeWave(image).empty()) << id;
        for (std::size_t size = 0; size < image.size(); ++size) {
            // A buffer of exactly that size, so the sanitizer sees any read
            // past its end.
            const std::vector<std::byte> cut(image.data(), image.data() + size);
            ASSERT_TRUE(decodeWave(cut).empty()) << "sound " << id << " cut to " << size;
        }
    }
}

TEST(WaveDecoderTest, RefusesEveryCutChunkEvenWhenTheRiffSizeAgrees) {
    for (int id = 1; id <= 3; ++id) {
        const auto image = sound(id);
        const auto full = decodeWave(image);
        // Where a cut falls between chunks after "data", what is left is a
        // whole wave file of the same sound; the last chunk may also lack
        // its pad byte, as many writers leave it out.
        std::vector<std::size_t> whole;
        for (const Chunk& chunk : riffChunks(image)) {
            if (chunk.id == "data" || !whole.empty()) {
                const std::size_t end = chunk.offset + 8 + chunk.body.size();
                whole.push_back(end);
                whole.push_back(end + (chunk.body.size() & 1U));
            }
        }
        for (std::size_t size = 12; size < image.size(); ++size) {
            std::vector<std::byte> cut(image.data(), image.data() + size);
            putLe32(cut, 4, static_cast<std::uint32_t>(size - 8));
            if (std::find(whole.begin(), whole.end(), size) != whole.end()) {
                EXPECT_EQ(decodeWave(cut), full) << "sound " << id << " cut to " << size;
            } else {
                ASSERT_TRUE(decodeWave(cut).empty()) << "sound " << id << " cut to " << size;
            }
        }
    }
}

TEST(WaveDecoderTest, RefusesDamagedHeaders) {
    struct Damage {
        std::string what;
        int id;
        void (*apply)(std::vector<std::byte>& image);
    };
    // Offsets: the RIFF size at 4; "fmt " body at 20 in every sound (tag,
    // channels, rate, bytes per second, block align, bits, then the ADPCM
    // extension); sound 1's "data" size at 40.
    const std::vector<Damage> damages{
        {"RIFF size beyond the image", 3, [](auto& i) { putLe32(i, 4, le32(i, 4) + 100); }},
        {"RIFF size short of the image", 3, [](auto& i) { putLe32(i, 4, le32(i, 4) - 2); }},
        {"data size beyond the image", 1, [](auto& i) { putLe32(i, 40, 2400); }},
        {"data size of 4 GiB", 1, [](auto& i) { putLe32(i, 40, 0xFFFFFFFFU); }},
        {"fmt size beyond the image", 2, [](auto& i) { putLe32(i, 16, 0xFFFFFFF0U); }},
        {"no channels, PCM", 1, [](auto& i) { putLe16(i, 22, 0); }},
        {"no channels, ADPCM", 2, [](auto& i) { putLe16(i, 22, 0); }},
        {"unknown format tag", 3, [](auto& i) { putLe16(i, 20, 0x1234); }},
        {"MPEG layer 3 tag", 1, [](auto& i) { putLe16(i, 20, 0x55); }},
        {"no sample rate", 3, [](auto& i) { putLe32(i, 24, 0); }},
        {"no bits per sample", 3, [](auto& i) { putLe16(i, 34, 0); }},
        {"ADPCM block align of 0", 2, [](auto& i) { putLe16(i, 32, 0); }},
        {"ADPCM blocks longer than they hold", 2, [](auto& i) { putLe16(i, 38, 4000); }},
        {"ADPCM without coefficients", 2, [](auto& i) { putLe16(i, 40, 0); }},
        {"ADPCM predictor out of range", 2,
         [](auto& i) { i.at(bodyOf(i, "data")) = std::byte{0x80}; }},
        // One past the seven standard pairs, in the second channel of the
        // second block: SDL would read past its table with it.
        {"ADPCM predictor one past the table", 2,
         [](auto& i) { i.at(bodyOf(i, "data") + 1024 + 1) = std::byte{7}; }},
    };
    for (const Damage& damage : damages) {
        auto image = sound(damage.id);
        damage.apply(image);
        EXPECT_TRUE(decodeWave(image).empty()) << damage.what;
    }
}

TEST(WaveDecoderTest, AnImageWithoutSamplesGivesNothingToPlay) {
    EXPECT_TRUE(decodeWave({}).empty());
    EXPECT_TRUE(decodeWave(pcm16Wave(2, 22050, {})).empty());
    const std::vector<std::int16_t> one{100, -100};
    EXPECT_EQ(framesOf(decodeWave(pcm16Wave(2, 22050, one))), (std::vector<Frame>{{100, -100}}));
}

} // namespace
} // namespace stackfall::testing
