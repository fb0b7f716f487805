// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colour.h"

#include <memory>
#include <type_traits>
#include <windows.h>

namespace stackfall {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A font, bitmap or region that is deleted with its owner.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

// Selects an object into a device context for one scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, previous_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

[[nodiscard]] inline COLORREF colorRef(Rgb c) {
    return RGB(red(c), green(c), blue(c));
}

// Fills with a solid colour, without making a brush.
inline void fill(HDC dc, const RECT& r, Rgb colour) {
    SetDCBrushColor(dc, colorRef(colour));
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

} // namespace stackfall
