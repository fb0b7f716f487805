// SPDX-License-Identifier: GPL-3.0-or-later
// The PNG reader both front ends decode the pictures with, against damaged
// files and files of kinds it does not read.
#include "Png.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <vector>

namespace stackfall {
namespace {

std::vector<std::byte> startPicture() {
    std::ifstream in(STACKFALL_PICTURES_DIR "/start.png", std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::byte> file(bytes.size());
    std::transform(bytes.begin(), bytes.end(), file.begin(),
                   [](char c) { return static_cast<std::byte>(c); });
    return file;
}

// A file cut short anywhere, or with any one byte changed, decodes to
// nothing, and nothing crashes: every chunk is checked against its
// checksum.
TEST(PngTest, DamagedFilesGiveNothing) {
    const std::vector<std::byte> file = startPicture();
    ASSERT_FALSE(file.empty());
    ASSERT_TRUE(png::decode(std::span(file)).has_value());
    for (std::size_t size = 0; size < file.size(); ++size) {
        EXPECT_FALSE(png::decode(std::span(file).first(size)).has_value()) << "cut at " << size;
    }
    std::vector<std::byte> changed(file.begin(), file.end());
    for (std::size_t i = 0; i < changed.size(); ++i) {
        changed[i] ^= std::byte{0x01};
        EXPECT_FALSE(png::decode(changed).has_value()) << "byte " << i << " changed";
        changed[i] ^= std::byte{0x01};
    }
}

// The header's fields sit at fixed places: width 16, height 20, bit depth
// 24, colour type 25, interlace 28; its checksum, of bytes 12 to 28, at 29.
TEST(PngTest, PicturesOfOtherKindsOrSizesGiveNothing) {
    const std::vector<std::byte> file = startPicture();
    ASSERT_FALSE(file.empty());
    const auto with = [&file](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> changed(reinterpret_cast<const std::uint8_t*>(file.data()),
                                          reinterpret_cast<const std::uint8_t*>(file.data()) +
                                              file.size());
        changed[at] = value;
        const std::uint32_t crc = png::crc32(std::span(changed).subspan(12, 17));
        for (std::size_t i = 0; i < 4; ++i) {
            changed[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
        }
        return png::decode(std::as_bytes(std::span(changed)));
    };
    ASSERT_TRUE(with(25, 6).has_value()) << "the header as it was, its checksum made again";
    EXPECT_FALSE(with(24, 16).has_value()) << "16 bits a sample";
    EXPECT_FALSE(with(25, 3).has_value()) << "a palette";
    EXPECT_FALSE(with(28, 1).has_value()) << "interlaced";
    EXPECT_FALSE(with(16, 0x7f).has_value()) << "two thousand million pixels wide";
    EXPECT_FALSE(with(23, 0).has_value()) << "no rows";
}

} // namespace
} // namespace stackfall
