// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowOps.h"

#include <windows.h>

namespace stackfall {

// Asks in the standard message box, modal for `owner`, with no icon. Timers
// keep ticking while it is open, so the game goes on behind it.
[[nodiscard]] Answer askQuestion(HWND owner, const Question& question);

// Presses the button of the open question's box that gives `answer`, as the
// player's click would; nothing when no box is the active window.
void answerOpenQuestion(Answer answer);

} // namespace stackfall
