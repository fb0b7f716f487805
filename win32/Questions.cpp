// SPDX-License-Identifier: GPL-3.0-or-later
#include "Questions.h"

#include "QuestionButtons.h"
#include "Text.h"

#include <string_view>

namespace stackfall {

namespace {

// Drops Escape, Alt+F4 and the close box's command on their way to a box
// that must ignore them.
LRESULT CALLBACK dropEscape(int code, WPARAM removing, LPARAM message) {
    if (code == HC_ACTION && removing == PM_REMOVE) {
        auto* m = reinterpret_cast<MSG*>(message);
        if ((m->message == WM_KEYDOWN && m->wParam == VK_ESCAPE) ||
            (m->message == WM_SYSKEYDOWN && m->wParam == VK_F4) ||
            (m->message == WM_SYSCOMMAND && (m->wParam & 0xFFF0) == SC_CLOSE)) {
            m->message = WM_NULL;
        }
    }
    return CallNextHookEx(nullptr, code, removing, message);
}

} // namespace

Answer askQuestion(HWND owner, const Question& question) {
    const bool yesNo = question.buttons == Buttons::YesNo;
    const bool secondIsDefault =
        questions::defaultOf(question) == questions::buttonsOf(question.buttons)[1];
    const UINT style = (yesNo ? MB_YESNO : MB_OKCANCEL) |
                       (secondIsDefault ? MB_DEFBUTTON2 : MB_DEFBUTTON1) | MB_APPLMODAL;
    // Windows' own Yes/No box ignores Escape and has no close box, but
    // wine's takes either as an answer: kept from it while it is open.
    HHOOK keepOpen =
        questions::escapeOf(question.buttons)
            ? nullptr
            : SetWindowsHookExW(WH_GETMESSAGE, dropEscape, nullptr, GetCurrentThreadId());
    const int pressed =
        MessageBoxW(owner, wide(question.text).c_str(), wide(question.title).c_str(), style);
    if (keepOpen != nullptr) {
        UnhookWindowsHookEx(keepOpen);
    }
    return questions::answerOf(question.buttons, pressed);
}

// The box's buttons have the answers' codes as their ids.
void answerOpenQuestion(Answer answer) {
    const HWND box = GetActiveWindow();
    wchar_t className[8]{};
    const int id = static_cast<int>(answer);
    const HWND button = box != nullptr ? GetDlgItem(box, id) : nullptr;
    if (button != nullptr && GetClassNameW(box, className, 8) > 0 &&
        std::wstring_view(className) == L"#32770") {
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
}

} // namespace stackfall
