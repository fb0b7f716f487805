// SPDX-License-Identifier: GPL-3.0-or-later
// The three embedded sounds, byte for byte where their format is fixed: the
// player and every wave reader the game may meet rely on these fields.
#include "EmbeddedSounds.h"
#include "RiffChunks.h"

#include <QResource>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <utility>

namespace stackfall::testing {
namespace {

std::vector<std::string> idsOf(const std::vector<Chunk>& chunks) {
    std::vector<std::string> ids;
    for (const Chunk& chunk : chunks) {
        ids.push_back(chunk.id);
    }
    return ids;
}

// A NUL-terminated, printable, non-empty text.
void expectText(std::span<const std::byte> text, const std::string& what) {
    ASSERT_GE(text.size(), 2U) << what;
    EXPECT_EQ(text.back(), std::byte{0}) << what;
    EXPECT_TRUE(std::all_of(text.begin(), text.end() - 1, [](std::byte b) {
        return b >= std::byte{0x20} && b < std::byte{0x7F};
    })) << what;
}

// A packed 8-bit DIB: BITMAPINFOHEADER, palette and pixel rows padded to four
// bytes, filling the rest of the chunk; every pixel names a palette entry.
void expectSmallPicture(std::span<const std::byte> dib) {
    ASSERT_GE(dib.size(), 40U);
    EXPECT_EQ(le32(dib, 0), 40U); // BITMAPINFOHEADER
    const auto width = static_cast<std::int32_t>(le32(dib, 4));
    const auto height = static_cast<std::int32_t>(le32(dib, 8));
    ASSERT_GE(width, 1);
    ASSERT_LE(width, 64);
    ASSERT_NE(height, 0); // negative: rows run top-down
    ASSERT_LE(std::abs(height), 64);
    EXPECT_EQ(le16(dib, 12), 1);  // planes
    ASSERT_EQ(le16(dib, 14), 8);  // bits per pixel
    EXPECT_EQ(le32(dib, 16), 0U); // BI_RGB
    const std::uint32_t used = le32(dib, 32);
    ASSERT_LE(used, 256U);
    const std::size_t colours = used == 0 ? 256 : used;
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(std::abs(height));
    const std::uint32_t sizeImage = le32(dib, 20);
    EXPECT_TRUE(sizeImage == 0 || sizeImage == pixelBytes) << sizeImage;
    ASSERT_EQ(dib.size(), 40 + 4 * colours + pixelBytes);

    const auto palette = dib.subspan(40, 4 * colours);
    for (std::size_t i = 0; i < colours; ++i) {
        EXPECT_EQ(palette[4 * i + 3], std::byte{0}) << "reserved byte of colour " << i;
    }
    const auto pixels = dib.subspan(40 + 4 * colours);
    for (std::size_t row = 0; row < pixelBytes / stride; ++row) {
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            ASSERT_LT(std::to_integer<std::size_t>(pixels[row * stride + x]), colours)
                << "pixel " << x << " of row " << row;
        }
    }
}

// "LIST" of form "INFO" holding text items, and "DISP" holding a CF_DIB picture.
void expectListAndDisp(const std::vector<Chunk>& chunks) {
    const Chunk* list = findChunk(chunks, "LIST");
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->body.size(), 4U);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(list->body.data()), 4), "INFO");
    std::size_t offset = 4;
    std::vector<std::string> keys;
    while (offset + 8 <= list->body.size()) {
        keys.emplace_back(reinterpret_cast<const char*>(list->body.data() + offset), 4);
        const std::size_t size = le32(list->body, offset + 4);
        ASSERT_LE(offset + 8 + size, list->body.size()) << keys.back();
        expectText(list->body.subspan(offset + 8, size), keys.back());
        offset += 8 + size + (size & 1U);
    }
    EXPECT_EQ(offset, list->body.size());
    EXPECT_NE(std::find(keys.begin(), keys.end(), "INAM"), keys.end());

    const Chunk* disp = findChunk(chunks, "DISP");
    ASSERT_NE(disp, nullptr);
    EXPECT_EQ(le32(disp->body, 0), 8U); // CF_DIB
    expectSmallPicture(disp->body.subspan(std::min<std::size_t>(4, disp->body.size())));
}

struct PcmFormat {
    std::uint16_t channels;
    std::uint32_t rate;
    std::uint16_t bits;
};

void expectPcmFormat(const Chunk& fmt, PcmFormat expected) {
    const std::span<const std::byte> f = fmt.body;
    const auto blockAlign = static_cast<std::uint16_t>(expected.channels * expected.bits / 8);
    ASSERT_EQ(f.size(), 16U);
    EXPECT_EQ(le16(f, 0), 1); // PCM
    EXPECT_EQ(le16(f, 2), expected.channels);
    EXPECT_EQ(le32(f, 4), expected.rate);
    EXPECT_EQ(le32(f, 8), expected.rate * blockAlign);
    EXPECT_EQ(le16(f, 12), blockAlign);
    EXPECT_EQ(le16(f, 14), expected.bits);
}

TEST(WaveImagesTest, EachSoundIsItsNumberedFileAndOnlyOneToThreeExist) {
    for (int id = 1; id <= 3; ++id) {
        const auto image = embeddedSound(static_cast<Sound>(id));
        const QResource file(QStringLiteral(":/sounds/%1.wav").arg(id));
        ASSERT_FALSE(image.empty()) << id;
        EXPECT_EQ(static_cast<const void*>(image.data()), file.data()) << id;
        EXPECT_EQ(image.size(), static_cast<std::size_t>(file.size())) << id;
    }
    EXPECT_TRUE(embeddedSound(static_cast<Sound>(0)).empty());
    EXPECT_TRUE(embeddedSound(static_cast<Sound>(4)).empty());
}

TEST(WaveImagesTest, SettleSoundIsEightBitMonoPcm) {
    const auto image = embeddedSound(Sound::Settled);
    const auto chunks = riffChunks(image);
    EXPECT_EQ(idsOf(chunks), (std::vector<std::string>{"fmt ", "data"}));
    EXPECT_EQ(image.size(), 2344U); // header, 2299 samples and a pad byte
    const Chunk* fmt = findChunk(chunks, "fmt ");
    const Chunk* data = findChunk(chunks, "data");
    ASSERT_TRUE(fmt && data);
    expectPcmFormat(*fmt, {1, 11025, 8});
    EXPECT_EQ(data->body.size(), 2299U); // 0.21 s
}

TEST(WaveImagesTest, TurnSoundIsStereoMicrosoftAdpcmWithFactAndTextChunks) {
    const auto image = embeddedSound(Sound::Turn);
    const auto chunks = riffChunks(image);
    // "LIST" and "DISP" sit before "data", so a player has to step over them.
    EXPECT_EQ(idsOf(chunks), (std::vector<std::string>{"fmt ", "fact", "LIST", "DISP", "data"}));
    EXPECT_EQ(image.size(), 6420U);
    const Chunk* fmt = findChunk(chunks, "fmt ");
    const Chunk* fact = findChunk(chunks, "fact");
    const Chunk* data = findChunk(chunks, "data");
    ASSERT_TRUE(fmt && fact && data);

    const std::span<const std::byte> f = fmt->body;
    ASSERT_EQ(f.size(), 50U);
    EXPECT_EQ(le16(f, 0), 2); // Microsoft ADPCM
    EXPECT_EQ(le16(f, 2), 2); // stereo
    EXPECT_EQ(le32(f, 4), 22050U);
    EXPECT_EQ(le32(f, 8), 22311U); // 22050 * 1024 / 1012
    EXPECT_EQ(le16(f, 12), 1024);  // block align
    EXPECT_EQ(le16(f, 14), 4);     // bits per sample
    EXPECT_EQ(le16(f, 16), 32);    // extra bytes
    // A block: a 7-byte header per channel, then 4-bit samples, and the two
    // samples of the header.
    EXPECT_EQ(le16(f, 18), 1012);
    EXPECT_EQ((1024 - 7 * 2) * 8 / (4 * 2) + 2, 1012);
    ASSERT_EQ(le16(f, 20), 7);
    constexpr std::array<std::pair<int, int>, 7> standard{
        {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}}};
    for (std::size_t i = 0; i < standard.size(); ++i) {
        EXPECT_EQ(static_cast<std::int16_t>(le16(f, 22 + 4 * i)), standard[i].first) << i;
        EXPECT_EQ(static_cast<std::int16_t>(le16(f, 24 + 4 * i)), standard[i].second) << i;
    }

    ASSERT_EQ(fact->body.size(), 4U);
    EXPECT_EQ(le32(fact->body, 0), 3987U);    // 0.18 s
    EXPECT_EQ(data->body.size(), 4U * 1024U); // whole blocks: 4 * 1012 >= 3987 > 3 * 1012
    expectListAndDisp(chunks);
}

TEST(WaveImagesTest, RowsSoundIsSixteenBitMonoPcmWithTextChunks) {
    const auto image = embeddedSound(Sound::RowsRemoved);
    const auto chunks = riffChunks(image);
    // Here "LIST" and "DISP" follow "data".
    EXPECT_EQ(idsOf(chunks), (std::vector<std::string>{"fmt ", "data", "LIST", "DISP"}));
    EXPECT_EQ(image.size(), 5708U);
    const Chunk* fmt = findChunk(chunks, "fmt ");
    const Chunk* data = findChunk(chunks, "data");
    ASSERT_TRUE(fmt && data);
    expectPcmFormat(*fmt, {1, 22050, 16});
    EXPECT_EQ(data->body.size(), 1862U * 2U); // 0.084 s
    expectListAndDisp(chunks);
}

} // namespace
} // namespace stackfall::testing
