// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GdiObject.h"

#include <windows.h>

namespace stackfall {

// A move or a cleared row changes many cells at once, and each invalidation
// can be a round trip to the window system (under wine, to its server): the
// changed rectangles of a window are gathered in one region and handed over
// once, when the window gets the message the first change posted to it, or
// at its next paint if that comes first. A question's own message loop
// delivers the message too, so the game repaints behind a question.
class RepaintBatch {
public:
    // The message the window passes on to flush().
    static constexpr UINT FlushMessage = WM_APP + 1;

    void attach(HWND window) { window_ = window; }
    // Adds a rectangle of device pixels.
    void add(const RECT& changed);
    // Hands what has gathered over to the window system.
    void flush();

private:
    HWND window_ = nullptr;
    GdiObject<HRGN> changed_;
};

} // namespace stackfall
