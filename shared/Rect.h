// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall {

struct Size {
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(Size, Size) = default;
};

// A rectangle of whole logical pixels: `width` columns from `x`, `height`
// rows from `y`.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    [[nodiscard]] constexpr int right() const { return x + width; } // one past the last column
    [[nodiscard]] constexpr int bottom() const { return y + height; }
    [[nodiscard]] constexpr Size size() const { return {width, height}; }
    [[nodiscard]] constexpr bool contains(int px, int py) const {
        return px >= x && px < right() && py >= y && py < bottom();
    }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

} // namespace stackfall
