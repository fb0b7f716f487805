// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace stackfall {

// A fixed array indexed First..Last, as the game numbers its cells, slots and
// levels. Indexes are checked by assert, so debug and sanitizer builds stop
// on the first one outside the range.
template <typename T, int First, int Last>
class IndexedArray {
    static_assert(First <= Last);

public:
    static constexpr int first = First;
    static constexpr int last = Last;
    static constexpr std::size_t count = static_cast<std::size_t>(Last - First + 1);

    constexpr IndexedArray() = default;
    constexpr IndexedArray(std::initializer_list<T> values) {
        assert(values.size() == count);
        std::size_t i = 0;
        for (const T& v : values) {
            items_[i++] = v;
        }
    }

    [[nodiscard]] constexpr T& operator()(int i) { return items_[slot(i)]; }
    [[nodiscard]] constexpr const T& operator()(int i) const { return items_[slot(i)]; }

    constexpr void fill(const T& value) { items_.fill(value); }
    [[nodiscard]] constexpr bool operator==(const IndexedArray&) const = default;

    [[nodiscard]] static constexpr bool contains(int i) { return i >= First && i <= Last; }

private:
    [[nodiscard]] static constexpr std::size_t slot(int i) {
        assert(contains(i));
        return static_cast<std::size_t>(i - First);
    }

    std::array<T, count> items_{};
};

} // namespace stackfall
