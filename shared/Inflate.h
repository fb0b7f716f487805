// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace stackfall {

// Inflates a zlib stream (a deflate stream behind its two-byte header, its
// checksum after it) into exactly `size` bytes. A damaged stream, one that
// asks for a preset dictionary, or one that gives another number of bytes
// gives nothing, and never more than `size` bytes are made.
[[nodiscard]] std::optional<std::vector<std::uint8_t>>
inflateZlib(std::span<const std::uint8_t> stream, std::size_t size);

} // namespace stackfall
