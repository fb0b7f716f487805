// SPDX-License-Identifier: GPL-3.0-or-later
// The PNG reader on any bytes at all: a picture of the size its header
// gives, or nothing, and never a read or write outside its buffers.
#include "Png.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

void check(std::span<const std::uint8_t> file) {
    const auto image = stackfall::png::decode(std::as_bytes(file));
    if (image &&
        (image->width <= 0 || image->height <= 0 ||
         image->bgra.size() != std::size_t(image->width) * std::size_t(image->height) * 4)) {
        std::abort();
    }
}

// A mutation almost never keeps a chunk's checksum, and the reader stops at
// the first wrong one: with the checksums made right again, the fuzzer's
// inputs reach the header, the inflater and the filters behind them.
std::vector<std::uint8_t> withChecksumsMadeRight(std::span<const std::uint8_t> file) {
    std::vector<std::uint8_t> fixed(file.begin(), file.end());
    for (std::size_t at = 8; fixed.size() >= 12 && at <= fixed.size() - 12;) {
        const std::size_t length = std::size_t{fixed[at]} << 24 | std::size_t{fixed[at + 1]} << 16 |
                                   std::size_t{fixed[at + 2]} << 8 | fixed[at + 3];
        if (length > fixed.size() - at - 12) {
            break;
        }
        const std::uint32_t crc =
            stackfall::png::crc32(std::span(fixed).subspan(at + 4, length + 4));
        for (std::size_t i = 0; i < 4; ++i) {
            fixed[at + 8 + length + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
        }
        at += 12 + length;
    }
    return fixed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    check(file);
    check(withChecksumsMadeRight(file));
    return 0;
}
