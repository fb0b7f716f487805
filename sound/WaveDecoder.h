// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace stackfall {

// Decodes a whole wave image held in memory (PCM or Microsoft ADPCM) and
// converts it to the output format, ready to queue. A damaged, truncated or
// unsupported image gives an empty result, as does one without samples.
[[nodiscard]] std::vector<std::byte> decodeWave(std::span<const std::byte> image);

} // namespace stackfall
