// SPDX-License-Identifier: GPL-3.0-or-later
// Deflate as RFC 1951 describes it, zlib's frame as RFC 1950 does.
#include "Inflate.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

namespace stackfall {

namespace {

static_assert(std::endian::native == std::endian::little, "the bit reader loads words");

constexpr int MaxBits = 15;
constexpr int LengthCodes = 29;
constexpr int LiteralLengthSymbols = 288;
constexpr int DistanceSymbols = 32;
constexpr int EndOfBlock = 256;

// Base and extra bits of the lengths 257 to 285 and of the distances 0 to 29.
constexpr std::array<std::uint16_t, LengthCodes> LengthBase{
    3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
    31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, LengthCodes> LengthExtra{
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> DistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> DistanceExtra{0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                     4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                     9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// The order in which a dynamic block gives the lengths of its code-length code.
constexpr std::array<std::uint8_t, 19> CodeLengthOrder{16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                       11, 4,  12, 3, 13, 2, 14, 1, 15};

// Reads the stream's bits, least significant first. Past the end it reads
// zeros and remembers that it did, so that a stream cut short fails.
class Bits {
public:
    explicit Bits(std::span<const std::uint8_t> data) : data_(data) {}

    [[nodiscard]] std::uint32_t peek(int n) {
        if (count_ < n) {
            refill();
        }
        return static_cast<std::uint32_t>(buffer_ & ((std::uint64_t{1} << n) - 1));
    }
    void skip(int n) {
        buffer_ >>= n;
        count_ -= n;
    }
    [[nodiscard]] std::uint32_t take(int n) {
        const std::uint32_t value = peek(n);
        skip(n);
        return value;
    }
    // Stored blocks start on a byte.
    void toByte() { skip(count_ % 8); }
    // The first byte not yet read; on a byte boundary only.
    [[nodiscard]] std::size_t position() const {
        return next_ - static_cast<std::size_t>(count_ / 8);
    }
    void moveTo(std::size_t position) {
        next_ = position;
        buffer_ = 0;
        count_ = 0;
    }
    // Whether any bit read so far lay past the end.
    [[nodiscard]] bool overrun() const {
        return 8 * next_ - static_cast<std::size_t>(count_) > 8 * data_.size();
    }
    [[nodiscard]] std::span<const std::uint8_t> data() const { return data_; }

private:
    // Fills the buffer up to at least 56 bits: whole bytes, a word at a time
    // where a word is left.
    void refill() {
        const int bytes = (63 - count_) / 8;
        if (std::endian::native == std::endian::little &&
            data_.size() - std::min(next_, data_.size()) >= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, &data_[next_], sizeof word); // deflate's bits run low byte first
            buffer_ |= (word & ((std::uint64_t{1} << (8 * bytes)) - 1)) << count_;
            next_ += static_cast<std::size_t>(bytes);
            count_ += 8 * bytes;
            return;
        }
        for (int i = 0; i < bytes; ++i) {
            const std::uint64_t byte = next_ < data_.size() ? data_[next_] : 0;
            buffer_ |= byte << count_;
            ++next_;
            count_ += 8;
        }
    }

    std::span<const std::uint8_t> data_;
    std::size_t next_ = 0;
    std::uint64_t buffer_ = 0;
    int count_ = 0;
};

// A canonical Huffman code. Codes of up to FastBits bits are looked up in
// one step; longer ones, which only rare symbols have, bit by bit.
class Huffman {
public:
    // False for lengths that give more codes than there are bit patterns.
    bool build(std::span<const std::uint8_t> lengths) {
        counts_.fill(0);
        fast_.fill(0);
        for (const std::uint8_t length : lengths) {
            ++counts_[length];
        }
        counts_[0] = 0;
        std::array<std::uint16_t, MaxBits + 2> offsets{};
        int left = 1;
        for (int length = 1; length <= MaxBits; ++length) {
            left = 2 * left - counts_[static_cast<std::size_t>(length)];
            if (left < 0) {
                return false;
            }
            offsets[static_cast<std::size_t>(length) + 1] =
                static_cast<std::uint16_t>(offsets[static_cast<std::size_t>(length)] +
                                           counts_[static_cast<std::size_t>(length)]);
        }
        std::array<std::uint16_t, MaxBits + 1> nextCode{};
        for (int length = 1; length <= MaxBits; ++length) {
            nextCode[static_cast<std::size_t>(length)] =
                static_cast<std::uint16_t>((nextCode[static_cast<std::size_t>(length) - 1] +
                                            counts_[static_cast<std::size_t>(length) - 1])
                                           << 1);
        }
        for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
            const int length = lengths[symbol];
            if (length == 0) {
                continue;
            }
            symbols_[offsets[static_cast<std::size_t>(length)]++] =
                static_cast<std::uint16_t>(symbol);
            const unsigned code = nextCode[static_cast<std::size_t>(length)]++;
            if (length <= FastBits) {
                unsigned reversed = 0;
                for (int bit = 0; bit < length; ++bit) {
                    reversed |= ((code >> bit) & 1U) << (length - 1 - bit);
                }
                for (unsigned i = reversed; i < fast_.size(); i += 1U << length) {
                    fast_[i] =
                        static_cast<std::uint16_t>(symbol << 4 | static_cast<unsigned>(length));
                }
            }
        }
        return true;
    }

    // The next symbol, or -1 for a bit pattern the code does not have.
    [[nodiscard]] int decode(Bits& bits) const {
        const std::uint16_t entry = fast_[bits.peek(FastBits)];
        if (entry != 0) {
            bits.skip(entry & 15);
            return entry >> 4;
        }
        int code = 0;
        int first = 0;
        int index = 0;
        for (int length = 1; length <= MaxBits; ++length) {
            code |= static_cast<int>(bits.take(1));
            const int count = counts_[static_cast<std::size_t>(length)];
            if (code - first < count) {
                return symbols_[static_cast<std::size_t>(index + code - first)];
            }
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        return -1;
    }

private:
    static constexpr int FastBits = 10;
    std::array<std::uint16_t, MaxBits + 1> counts_{};
    std::array<std::uint16_t, LiteralLengthSymbols> symbols_{};
    std::array<std::uint16_t, 1U << FastBits> fast_{};
};

class Inflater {
public:
    Inflater(std::span<const std::uint8_t> stream, std::size_t size) : bits_(stream), out_(size) {}

    bool run() {
        bool last = false;
        while (!last) {
            last = bits_.take(1) == 1;
            const std::uint32_t type = bits_.take(2);
            const bool done = type == 0   ? stored()
                              : type == 1 ? fixedCodes() && codes()
                              : type == 2 ? dynamicCodes() && codes()
                                          : false;
            if (!done || bits_.overrun()) {
                return false;
            }
        }
        return made_ == out_.size();
    }

    [[nodiscard]] std::size_t end() {
        bits_.toByte();
        return bits_.position();
    }
    std::vector<std::uint8_t> take() { return std::move(out_); }

private:
    bool stored() {
        bits_.toByte();
        const std::size_t at = bits_.position();
        const auto data = bits_.data();
        if (at + 4 > data.size()) {
            return false;
        }
        const std::size_t length = std::size_t{data[at]} | std::size_t{data[at + 1]} << 8;
        const std::size_t complement = std::size_t{data[at + 2]} | std::size_t{data[at + 3]} << 8;
        if ((length ^ 0xffff) != complement || at + 4 + length > data.size() ||
            length > out_.size() - made_) {
            return false;
        }
        std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(at + 4), length,
                    out_.begin() + static_cast<std::ptrdiff_t>(made_));
        made_ += length;
        bits_.moveTo(at + 4 + length);
        return true;
    }

    bool fixedCodes() {
        std::array<std::uint8_t, LiteralLengthSymbols + DistanceSymbols> lengths{};
        std::fill(lengths.begin(), lengths.begin() + 144, 8);
        std::fill(lengths.begin() + 144, lengths.begin() + 256, 9);
        std::fill(lengths.begin() + 256, lengths.begin() + 280, 7);
        std::fill(lengths.begin() + 280, lengths.begin() + LiteralLengthSymbols, 8);
        std::fill(lengths.begin() + LiteralLengthSymbols, lengths.end(), 5);
        return literals_.build({lengths.data(), LiteralLengthSymbols}) &&
               distances_.build({lengths.data() + LiteralLengthSymbols, DistanceSymbols});
    }

    bool dynamicCodes() {
        const std::size_t literalCount = bits_.take(5) + 257;
        const std::size_t distanceCount = bits_.take(5) + 1;
        const std::size_t codeLengthCount = bits_.take(4) + 4;
        if (literalCount > 286 || distanceCount > 30) {
            return false;
        }
        std::array<std::uint8_t, 19> codeLengthLengths{};
        for (std::size_t i = 0; i < codeLengthCount; ++i) {
            codeLengthLengths[CodeLengthOrder[i]] = static_cast<std::uint8_t>(bits_.take(3));
        }
        Huffman codeLengths;
        if (!codeLengths.build(codeLengthLengths)) {
            return false;
        }
        // The two codes' lengths come as one sequence, in which a repeat may
        // run from one into the other.
        std::array<std::uint8_t, LiteralLengthSymbols + DistanceSymbols> lengths{};
        const std::size_t total = literalCount + distanceCount;
        for (std::size_t i = 0; i < total;) {
            const int symbol = codeLengths.decode(bits_);
            if (symbol < 0 || bits_.overrun()) {
                return false;
            }
            if (symbol < 16) {
                lengths[i++] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            if (symbol == 16 && i == 0) {
                return false; // nothing to repeat
            }
            const std::uint8_t repeated = symbol == 16 ? lengths[i - 1] : 0;
            const std::size_t times = symbol == 16   ? 3 + bits_.take(2)
                                      : symbol == 17 ? 3 + bits_.take(3)
                                                     : 11 + bits_.take(7);
            if (i + times > total) {
                return false;
            }
            std::fill_n(lengths.begin() + static_cast<std::ptrdiff_t>(i), times, repeated);
            i += times;
        }
        if (lengths[EndOfBlock] == 0) {
            return false;
        }
        return literals_.build({lengths.data(), literalCount}) &&
               distances_.build({lengths.data() + literalCount, distanceCount});
    }

    bool codes() {
        for (;;) {
            const int symbol = literals_.decode(bits_);
            if (symbol < 0 || bits_.overrun()) {
                return false;
            }
            if (symbol < EndOfBlock) {
                if (made_ == out_.size()) {
                    return false;
                }
                out_[made_++] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            if (symbol == EndOfBlock) {
                return true;
            }
            const auto lengthCode = static_cast<std::size_t>(symbol - 257);
            if (lengthCode >= LengthCodes) {
                return false;
            }
            const std::size_t length = LengthBase[lengthCode] + bits_.take(LengthExtra[lengthCode]);
            const int distanceCode = distances_.decode(bits_);
            if (distanceCode < 0 || distanceCode >= 30) {
                return false;
            }
            const auto d = static_cast<std::size_t>(distanceCode);
            const std::size_t distance = DistanceBase[d] + bits_.take(DistanceExtra[d]);
            if (distance > made_ || length > out_.size() - made_) {
                return false;
            }
            // Byte by byte where a copy overlaps what it makes.
            std::uint8_t* to = out_.data() + made_;
            const std::uint8_t* from = to - distance;
            if (distance >= length) {
                std::memcpy(to, from, length);
            } else {
                for (std::size_t i = 0; i < length; ++i) {
                    to[i] = from[i];
                }
            }
            made_ += length;
        }
    }

    Bits bits_;
    std::vector<std::uint8_t> out_;
    std::size_t made_ = 0;
    Huffman literals_;
    Huffman distances_;
};

std::uint32_t adler32(std::span<const std::uint8_t> data) {
    constexpr std::uint32_t Modulus = 65521;
    // 5552 bytes is the most that can be summed before the sums may overflow.
    constexpr std::size_t Run = 5552;
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::size_t start = 0; start < data.size(); start += Run) {
        const std::size_t end = std::min(data.size(), start + Run);
        for (std::size_t i = start; i < end; ++i) {
            a += data[i];
            b += a;
        }
        a %= Modulus;
        b %= Modulus;
    }
    return b << 16 | a;
}

} // namespace

std::optional<std::vector<std::uint8_t>> inflateZlib(std::span<const std::uint8_t> stream,
                                                     std::size_t size) {
    constexpr std::uint8_t Deflate = 8;
    constexpr std::uint8_t PresetDictionary = 0x20;
    if (stream.size() < 6 || (stream[0] & 0x0f) != Deflate || (stream[0] >> 4) > 7 ||
        (stream[0] << 8 | stream[1]) % 31 != 0 || (stream[1] & PresetDictionary) != 0) {
        return std::nullopt;
    }
    Inflater inflater(stream.subspan(2), size);
    if (!inflater.run()) {
        return std::nullopt;
    }
    const std::size_t end = 2 + inflater.end();
    std::vector<std::uint8_t> out = inflater.take();
    if (end + 4 > stream.size() ||
        adler32(out) != (std::uint32_t{stream[end]} << 24 | std::uint32_t{stream[end + 1]} << 16 |
                         std::uint32_t{stream[end + 2]} << 8 | stream[end + 3])) {
        return std::nullopt;
    }
    return out;
}

} // namespace stackfall
