// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowOps.h"

class QWidget;

namespace stackfall {

// Asks in a modal message box with exactly the question's text, title,
// buttons and default button, and no icon; the game's timers keep running
// while it is open. Escape, and closing the box, answer as the shared
// question mapping says: Cancel, or nothing on a Yes/No box.
[[nodiscard]] Answer askQuestion(QWidget* parent, const Question& question);

// Clicks the button of the open question's box that gives `answer`, as the
// player's click would; nothing when no such box is open.
void answerOpenQuestion(Answer answer);

} // namespace stackfall
