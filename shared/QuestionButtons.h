// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowOps.h"

#include <array>
#include <optional>

// What a question's message box offers and what its keys answer, as the
// platform the game was designed for has it: the front ends' own boxes
// follow it.
namespace stackfall::questions {

// The two buttons, the one that goes ahead first.
[[nodiscard]] constexpr std::array<Answer, 2> buttonsOf(Buttons buttons) {
    if (buttons == Buttons::YesNo) {
        return {Answer::Yes, Answer::No};
    }
    return {Answer::Ok, Answer::Cancel};
}

// The default button, which Return presses: the one the question asks for,
// or the first where it names neither of the box's buttons.
[[nodiscard]] constexpr Answer defaultOf(const Question& question) {
    const auto offered = buttonsOf(question.buttons);
    return question.defaultButton == offered[1] ? offered[1] : offered[0];
}

// What Escape, or closing the box, answers: Cancel on an OK/Cancel box. A
// Yes/No box ignores both and waits for Yes or No.
[[nodiscard]] constexpr std::optional<Answer> escapeOf(Buttons buttons) {
    if (buttons == Buttons::YesNo) {
        return std::nullopt;
    }
    return Answer::Cancel;
}

// The answer of the button with the platform's `code` (OK 1, Cancel 2,
// Yes 6, No 7). Any other code, as from a box that could not open, is the
// second button's answer, which changes nothing.
[[nodiscard]] constexpr Answer answerOf(Buttons buttons, int code) {
    const auto offered = buttonsOf(buttons);
    return code == static_cast<int>(offered[0]) ? offered[0] : offered[1];
}

} // namespace stackfall::questions
