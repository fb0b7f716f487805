// SPDX-License-Identifier: GPL-3.0-or-later
#include "RiffChunks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace stackfall::testing {
namespace {

std::string fourcc(std::span<const std::byte> bytes, std::size_t offset) {
    std::string text;
    for (std::size_t i = offset; i < offset + 4 && i < bytes.size(); ++i) {
        text += static_cast<char>(bytes[i]);
    }
    return text;
}

} // namespace

std::uint16_t le16(std::span<const std::byte> bytes, std::size_t offset) {
    if (offset + 2 > bytes.size()) {
        return 0;
    }
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[offset]) |
                                      std::to_integer<unsigned>(bytes[offset + 1]) << 8);
}

std::uint32_t le32(std::span<const std::byte> bytes, std::size_t offset) {
    return le16(bytes, offset) | static_cast<std::uint32_t>(le16(bytes, offset + 2)) << 16;
}

std::vector<Chunk> riffChunks(std::span<const std::byte> image) {
    std::vector<Chunk> chunks;
    if (image.size() < 12 || fourcc(image, 0) != "RIFF" || fourcc(image, 8) != "WAVE") {
        ADD_FAILURE() << "not a RIFF WAVE image";
        return chunks;
    }
    if (le32(image, 4) != image.size() - 8) {
        ADD_FAILURE() << "RIFF size " << le32(image, 4) << " for " << image.size() << " bytes";
        return chunks;
    }
    std::size_t offset = 12;
    while (offset < image.size()) {
        const std::size_t size = le32(image, offset + 4);
        const std::size_t padded = size + (size & 1U);
        if (offset + 8 + padded > image.size()) {
            ADD_FAILURE() << "chunk " << fourcc(image, offset) << " at " << offset
                          << " runs past the end";
            return chunks;
        }
        chunks.push_back({fourcc(image, offset), offset, image.subspan(offset + 8, size)});
        offset += 8 + padded;
    }
    return chunks;
}

const Chunk* findChunk(const std::vector<Chunk>& chunks, const std::string& id) {
    const auto found =
        std::find_if(chunks.begin(), chunks.end(), [&](const Chunk& c) { return c.id == id; });
    return found == chunks.end() ? nullptr : &*found;
}

} // namespace stackfall::testing
