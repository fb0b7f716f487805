// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <windows.h>

namespace stackfall {

// The level bar: a vertical scroll bar of the levels 1 to 3, starting at 1,
// so short that it shows only its two arrows. The upper arrow lowers the
// level, the lower one raises it.
class LevelBar {
public:
    // Made at `at`, device pixels; given none, nowhere until placed.
    LevelBar(HINSTANCE instance, HWND parent, const RECT& at = {});

    // The bar's WM_VSCROLL: moves it as asked, within the levels; the new
    // level when that changed it.
    [[nodiscard]] std::optional<int> scrolled(WORD request, WORD thumb);
    [[nodiscard]] int value() const;
    [[nodiscard]] HWND handle() const { return hwnd_; }

private:
    HWND hwnd_;
};

} // namespace stackfall
