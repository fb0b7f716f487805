// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowOps.h"

class QWidget;

namespace stackfall {

// Asks in a modal message box with exactly the question's text, title,
// buttons and default button, and no icon; the game's timers keep running
// while it is open. Escape, or closing the box, answers No or Cancel.
[[nodiscard]] Answer askQuestion(QWidget* parent, const Question& question);

} // namespace stackfall
