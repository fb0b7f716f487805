// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowOps.h"

#include <windows.h>

namespace stackfall {

// Asks in the standard message box, modal for `owner`, with no icon. Timers
// keep ticking while it is open, so the game goes on behind it.
[[nodiscard]] Answer askQuestion(HWND owner, const Question& question);

} // namespace stackfall
