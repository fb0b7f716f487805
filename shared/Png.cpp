// SPDX-License-Identifier: GPL-3.0-or-later
// PNG as its specification (ISO/IEC 15948) describes it, for the pictures
// the game embeds.
#include "Png.h"

#include "Inflate.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace stackfall::png {

namespace {

constexpr std::array<std::uint8_t, 8> Signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// Larger sides are not the game's, and would let a damaged header ask for
// gigabytes.
constexpr std::uint32_t MaxSide = 4096;
constexpr std::uint8_t Truecolour = 2;
constexpr std::uint8_t TruecolourWithAlpha = 6;

std::uint32_t bigEndian(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

struct Header {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::size_t channels = 0;
};

std::optional<Header> readHeader(std::span<const std::uint8_t> data) {
    constexpr std::size_t Size = 13;
    if (data.size() != Size) {
        return std::nullopt;
    }
    const Header header{bigEndian(&data[0]), bigEndian(&data[4]),
                        data[9] == TruecolourWithAlpha ? std::size_t{4} : std::size_t{3}};
    const bool supported = data[8] == 8 &&
                           (data[9] == Truecolour || data[9] == TruecolourWithAlpha) &&
                           data[10] == 0 && data[11] == 0 && data[12] == 0;
    if (!supported || header.width == 0 || header.height == 0 || header.width > MaxSide ||
        header.height > MaxSide) {
        return std::nullopt;
    }
    return header;
}

int paeth(int left, int up, int upLeft) {
    const int p = left + up - upLeft;
    const int toLeft = std::abs(p - left);
    const int toUp = std::abs(p - up);
    const int toUpLeft = std::abs(p - upLeft);
    return toLeft <= toUp && toLeft <= toUpLeft ? left : toUp <= toUpLeft ? up : upLeft;
}

// Each row starts with its filter; the filters predict a byte from the one
// a whole pixel to its left, the one above, and the one above that. The
// first pixel of a row has nothing to its left.
bool unfilter(std::vector<std::uint8_t>& rows, const Header& header) {
    const std::size_t stride = header.width * header.channels;
    const std::size_t bpp = header.channels;
    const std::vector<std::uint8_t> zeros(stride);
    const std::uint8_t* up = zeros.data();
    for (std::size_t y = 0; y < header.height; ++y) {
        std::uint8_t* row = rows.data() + y * (stride + 1);
        const std::uint8_t filter = row[0];
        std::uint8_t* x = row + 1;
        const auto add = [x](std::size_t i, int predicted) {
            x[i] = static_cast<std::uint8_t>(x[i] + predicted);
        };
        switch (filter) {
        case 0:
            break;
        case 1:
            for (std::size_t i = bpp; i < stride; ++i) {
                add(i, x[i - bpp]);
            }
            break;
        case 2:
            for (std::size_t i = 0; i < stride; ++i) {
                add(i, up[i]);
            }
            break;
        case 3:
            for (std::size_t i = 0; i < bpp; ++i) {
                add(i, up[i] / 2);
            }
            for (std::size_t i = bpp; i < stride; ++i) {
                add(i, (x[i - bpp] + up[i]) / 2);
            }
            break;
        case 4:
            for (std::size_t i = 0; i < bpp; ++i) {
                add(i, up[i]);
            }
            for (std::size_t i = bpp; i < stride; ++i) {
                add(i, paeth(x[i - bpp], up[i], up[i - bpp]));
            }
            break;
        default:
            return false;
        }
        up = x;
    }
    return true;
}

} // namespace

// The table of the CRC-32's remainders, one for each byte.
constexpr std::array<std::uint32_t, 256> CrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < table.size(); ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1) != 0 ? 0xedb88320U ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}();

std::uint32_t crc32(std::span<const std::uint8_t> data) {
    std::uint32_t c = 0xffffffffU;
    for (const std::uint8_t byte : data) {
        c = CrcTable[(c ^ byte) & 0xff] ^ (c >> 8);
    }
    return c ^ 0xffffffffU;
}

std::optional<Image> decode(std::span<const std::byte> file) {
    const std::span<const std::uint8_t> data{reinterpret_cast<const std::uint8_t*>(file.data()),
                                             file.size()};
    if (data.size() < Signature.size() ||
        !std::equal(Signature.begin(), Signature.end(), data.begin())) {
        return std::nullopt;
    }
    std::optional<Header> header;
    std::vector<std::uint8_t> compressed;
    bool ended = false;
    for (std::size_t at = Signature.size(); !ended;) {
        // Length, type, data, checksum.
        if (data.size() - at < 12 || bigEndian(&data[at]) > data.size() - at - 12) {
            return std::nullopt;
        }
        const std::size_t length = bigEndian(&data[at]);
        const auto type = data.subspan(at + 4, 4);
        const auto body = data.subspan(at + 8, length);
        if (crc32(data.subspan(at + 4, length + 4)) != bigEndian(&data[at + 8 + length])) {
            return std::nullopt;
        }
        const auto is = [&type](const char* name) {
            return std::equal(type.begin(), type.end(), name);
        };
        if (!header) {
            if (!is("IHDR") || !(header = readHeader(body))) {
                return std::nullopt;
            }
        } else if (is("IDAT")) {
            compressed.insert(compressed.end(), body.begin(), body.end());
        } else if (is("IEND")) {
            ended = true;
        } else if ((type[0] & 0x20) == 0 && !is("PLTE")) {
            return std::nullopt; // a chunk the picture needs and this reader does not know
        }
        at += 12 + length;
    }

    const std::size_t stride = header->width * header->channels;
    auto rows = inflateZlib(compressed, header->height * (stride + 1));
    if (!rows || !unfilter(*rows, *header)) {
        return std::nullopt;
    }
    Image image;
    image.width = static_cast<int>(header->width);
    image.height = static_cast<int>(header->height);
    image.bgra.resize(std::size_t{header->width} * header->height * 4);
    std::uint8_t* out = image.bgra.data();
    for (std::size_t y = 0; y < header->height; ++y) {
        const std::uint8_t* in = rows->data() + y * (stride + 1) + 1;
        if (header->channels == 3) {
            for (std::size_t x = 0; x < header->width; ++x, in += 3, out += 4) {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
                out[3] = 255;
            }
            continue;
        }
        for (std::size_t x = 0; x < header->width; ++x, in += 4, out += 4) {
            // Premultiplied, rounded to the nearest as the Windows Imaging
            // Component rounds.
            const unsigned alpha = in[3];
            out[0] = static_cast<std::uint8_t>((in[2] * alpha + 127) / 255);
            out[1] = static_cast<std::uint8_t>((in[1] * alpha + 127) / 255);
            out[2] = static_cast<std::uint8_t>((in[0] * alpha + 127) / 255);
            out[3] = static_cast<std::uint8_t>(alpha);
            image.translucent = image.translucent || alpha != 255;
        }
    }
    return image;
}

} // namespace stackfall::png
