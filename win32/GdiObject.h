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

// A device context to measure text in and read the screen's scale from, for
// one scope: a memory one compatible with the screen, which measures as the
// screen does. The screen's own would cost wine a round trip to its server
// each time it is taken, about ten times as long.
class MeasuringDc {
public:
    MeasuringDc() : dc_(CreateCompatibleDC(nullptr)) {}
    ~MeasuringDc() { DeleteDC(dc_); }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;
    [[nodiscard]] HDC get() const { return dc_; }

private:
    HDC dc_;
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
