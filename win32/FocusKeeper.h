// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

namespace stackfall {

// Makes the focus keeper: a read-only text box right of the client area,
// never seen. A level change moves the focus to it, so that the level bar
// does not keep the focus and eat the arrow keys that steer the piece.
// Made at `at`, device pixels.
[[nodiscard]] HWND createFocusKeeper(HINSTANCE instance, HWND parent, const RECT& at);

} // namespace stackfall
