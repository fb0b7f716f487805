// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveBuilder.h"

#include <string_view>

namespace stackfall::testing {
namespace {

void append(std::vector<std::byte>& image, std::string_view fourcc) {
    for (const char c : fourcc) {
        image.push_back(static_cast<std::byte>(c));
    }
}

void append16(std::vector<std::byte>& image, std::uint16_t value) {
    image.push_back(static_cast<std::byte>(value & 0xFFU));
    image.push_back(static_cast<std::byte>(value >> 8));
}

void append32(std::vector<std::byte>& image, std::uint32_t value) {
    append16(image, static_cast<std::uint16_t>(value & 0xFFFFU));
    append16(image, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

std::vector<std::byte> pcm16Wave(int channels, int rate, std::span<const std::int16_t> samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    const auto blockAlign = static_cast<std::uint16_t>(channels * 2);
    std::vector<std::byte> image;
    append(image, "RIFF");
    append32(image, 36 + dataSize);
    append(image, "WAVE");
    append(image, "fmt ");
    append32(image, 16);
    append16(image, 1);
    append16(image, static_cast<std::uint16_t>(channels));
    append32(image, static_cast<std::uint32_t>(rate));
    append32(image, static_cast<std::uint32_t>(rate) * blockAlign);
    append16(image, blockAlign);
    append16(image, 16);
    append(image, "data");
    append32(image, dataSize);
    for (const std::int16_t sample : samples) {
        append16(image, static_cast<std::uint16_t>(sample));
    }
    return image;
}

void putLe16(std::vector<std::byte>& image, std::size_t offset, std::uint16_t value) {
    image.at(offset) = static_cast<std::byte>(value & 0xFFU);
    image.at(offset + 1) = static_cast<std::byte>(value >> 8);
}

void putLe32(std::vector<std::byte>& image, std::size_t offset, std::uint32_t value) {
    putLe16(image, offset, static_cast<std::uint16_t>(value & 0xFFFFU));
    putLe16(image, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

} // namespace stackfall::testing
