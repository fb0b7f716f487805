// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace stackfall::testing {

// Little-endian fields of a wave image; an offset past the end reads as 0.
[[nodiscard]] std::uint16_t le16(std::span<const std::byte> bytes, std::size_t offset);
[[nodiscard]] std::uint32_t le32(std::span<const std::byte> bytes, std::size_t offset);

struct Chunk {
    std::string id;
    std::size_t offset; // of the chunk header in the image
    std::span<const std::byte> body;
};

// The chunks of a RIFF "WAVE" image in file order. Fails the current test,
// and returns what it found so far, when the image is not well formed: a
// wrong header, a RIFF size that is not the image's, a chunk that runs past
// the end or a missing pad byte.
[[nodiscard]] std::vector<Chunk> riffChunks(std::span<const std::byte> image);

// The first chunk with that id, or null.
[[nodiscard]] const Chunk* findChunk(const std::vector<Chunk>& chunks, const std::string& id);

} // namespace stackfall::testing
