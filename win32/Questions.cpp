// SPDX-License-Identifier: GPL-3.0-or-later
#include "Questions.h"

#include "Text.h"

namespace stackfall {

Answer askQuestion(HWND owner, const Question& question) {
    const bool yesNo = question.buttons == Buttons::YesNo;
    // The first button is the default unless the second one is asked for.
    const bool secondIsDefault = question.defaultButton == (yesNo ? Answer::No : Answer::Cancel);
    const UINT style = (yesNo ? MB_YESNO : MB_OKCANCEL) |
                       (secondIsDefault ? MB_DEFBUTTON2 : MB_DEFBUTTON1) | MB_APPLMODAL;
    const int pressed =
        MessageBoxW(owner, wide(question.text).c_str(), wide(question.title).c_str(), style);
    switch (pressed) {
    case IDOK:
        return Answer::Ok;
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    default:
        return yesNo ? Answer::No : Answer::Cancel;
    }
}

} // namespace stackfall
