// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelText.h"

#include <charconv>

namespace stackfall {

void LabelText::append(char c) {
    if (length_ < buffer_.size()) {
        buffer_[length_++] = c;
    }
}

void LabelText::appendNumber(std::int64_t value, int minDigits) {
    std::array<char, 24> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    const auto count = ec == std::errc{} ? end - digits.data() : 0;
    for (auto pad = count; pad < minDigits; ++pad) {
        append('0');
    }
    for (auto i = 0; i < count; ++i) {
        append(digits[static_cast<std::size_t>(i)]);
    }
}

LabelText LabelText::score(std::int64_t score) {
    LabelText text;
    text.append(' ');
    text.appendNumber(score, 1);
    return text;
}

LabelText LabelText::time(std::int64_t hours, int minutes, int seconds) {
    LabelText text;
    text.appendNumber(hours, 2);
    text.append(':');
    text.appendNumber(minutes, 2);
    text.append(':');
    text.appendNumber(seconds, 2);
    return text;
}

} // namespace stackfall
