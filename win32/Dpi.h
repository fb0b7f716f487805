// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Rect.h"
#include "Scale.h"

#include <windows.h>

namespace stackfall {

// Each window's own scale, where Windows tells it (Windows 10 1607 and
// later); elsewhere the scale of the screen the session started on, which
// all windows share. The newer calls are looked up at run time, so that the
// program still starts on the older Windows its manifest names.

// The dots per inch of the screen the session started on.
[[nodiscard]] int systemDpi();
// The dots per inch `window` is drawn at.
[[nodiscard]] int dpiOf(HWND window);
// The size of a window of `style` whose client area is `client` logical
// pixels at `dpi`, frame included.
[[nodiscard]] SIZE frameSize(Size client, DWORD style, int dpi);
// The side of a large (`SM_CXICON`) or small (`SM_CXSMICON`) icon at `dpi`.
[[nodiscard]] int iconSide(int metric, int dpi);
// Moves `window` to the middle of `monitor`'s work area.
void centreOn(HWND window, HMONITOR monitor);

} // namespace stackfall
