// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GdiObject.h"
#include "Scale.h"

#include <map>
#include <span>
#include <string>
#include <string_view>

namespace stackfall {

// The PNG pictures embedded in the executable (resources of type "PNG",
// named as the file in upper case, "_2X" for a double-resolution copy),
// decoded the first time each is drawn and kept. On a screen above 100 %
// the double-resolution copy is used where there is one. A missing or
// damaged picture draws nothing.
class PictureStore {
public:
    explicit PictureStore(HINSTANCE instance) : instance_(instance) {}

    // Decodes `names` for `scale` now, before the first paint that needs
    // them.
    void preload(std::span<const std::string_view> names, const Scale& scale);

    // Draws `name` with its top left corner at (left, top) in logical pixels,
    // at its own size in logical pixels.
    void draw(HDC dc, std::string_view name, int left, int top, const Scale& scale);

private:
    struct Decoded {
        GdiObject<HBITMAP> bitmap;
        int width = 0;
        int height = 0;
        bool translucent = false;
    };
    [[nodiscard]] const Decoded* find(std::string_view name, bool sharp);
    [[nodiscard]] Decoded decode(const std::wstring& resource) const;

    HINSTANCE instance_;
    std::map<std::wstring, Decoded> decoded_;
};

} // namespace stackfall
