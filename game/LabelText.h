// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace stackfall {

// A label caption formed without touching the heap: the rules write one on
// every scored row and every clock tick.
class LabelText {
public:
    [[nodiscard]] std::string_view view() const { return {buffer_.data(), length_}; }

    // " 0", " 10", " 250": one blank, then the digits.
    [[nodiscard]] static LabelText score(std::int64_t score);
    // "00:00:01", "123:04:05": each field at least two digits.
    [[nodiscard]] static LabelText time(std::int64_t hours, int minutes, int seconds);

private:
    void append(char c);
    void appendNumber(std::int64_t value, int minDigits);

    std::array<char, 48> buffer_{};
    std::size_t length_ = 0;
};

} // namespace stackfall
