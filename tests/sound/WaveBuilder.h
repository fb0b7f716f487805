// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace stackfall::testing {

// A plain 16-bit PCM wave image, "fmt " then "data", of interleaved samples.
[[nodiscard]] std::vector<std::byte> pcm16Wave(int channels, int rate,
                                               std::span<const std::int16_t> samples);

// Overwrite a little-endian field, to damage an image on purpose.
void putLe16(std::vector<std::byte>& image, std::size_t offset, std::uint16_t value);
void putLe32(std::vector<std::byte>& image, std::size_t offset, std::uint32_t value);

} // namespace stackfall::testing
