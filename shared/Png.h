// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace stackfall::png {

// A decoded picture as GDI takes it, and Qt as ARGB32 on a little-endian
// machine: four bytes a pixel, blue, green, red and alpha in that order, the
// colours premultiplied by the alpha, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;
    bool translucent = false; // any pixel not fully opaque
};

// The CRC-32 that ends each chunk, of the chunk's type and data: it catches
// a damaged chunk where the compressed data's own weaker checksum may not.
[[nodiscard]] std::uint32_t crc32(std::span<const std::uint8_t> data);

// Decodes a PNG file of the kind the game embeds: 8 bits a sample, colour
// with or without alpha, not interlaced. Anything else, or a file that is
// cut short or damaged, gives nothing.
[[nodiscard]] std::optional<Image> decode(std::span<const std::byte> file);

} // namespace stackfall::png
