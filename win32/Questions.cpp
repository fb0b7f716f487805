// SPDX-License-Identifier: GPL-3.0-or-later
#include "Questions.h"

#include "QuestionButtons.h"
#include "Text.h"

namespace stackfall {

// The standard message box already answers Escape as the shared mapping
// says: Cancel on an OK/Cancel box, nothing on a Yes/No box.
Answer askQuestion(HWND owner, const Question& question) {
    const bool yesNo = question.buttons == Buttons::YesNo;
    const bool secondIsDefault =
        questions::defaultOf(question) == questions::buttonsOf(question.buttons)[1];
    const UINT style = (yesNo ? MB_YESNO : MB_OKCANCEL) |
                       (secondIsDefault ? MB_DEFBUTTON2 : MB_DEFBUTTON1) | MB_APPLMODAL;
    return questions::answerOf(question.buttons, MessageBoxW(owner, wide(question.text).c_str(),
                                                             wide(question.title).c_str(), style));
}

} // namespace stackfall
