// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramHarness.h"

#include <array>

namespace stackfall::testing {

namespace {

// The one question answerer alive: a timer's procedure has no other way to
// find its object.
QuestionAnswerer* answering = nullptr;

// The key's scan code and flags as Windows packs them in lParam.
LPARAM keyData(WPARAM key, bool alt, bool repeat, bool up) {
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    LPARAM data = 1 | static_cast<LPARAM>(scan) << 16;
    if (alt) {
        data |= LPARAM{1} << 29;
    }
    if (repeat || up) {
        data |= LPARAM{1} << 30;
    }
    if (up) {
        data |= LPARAM{1} << 31;
    }
    return data;
}

void holdModifiers(unsigned modifiers) {
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    const auto hold = [&keys](int key, bool down) {
        keys[static_cast<std::size_t>(key)] = down ? 0x80 : 0;
    };
    hold(VK_SHIFT, (modifiers & ProgramHarness::Shift) != 0);
    hold(VK_CONTROL, (modifiers & ProgramHarness::Control) != 0);
    hold(VK_MENU, (modifiers & ProgramHarness::Alt) != 0);
    SetKeyboardState(keys.data());
}

} // namespace

ProgramHarness::ProgramHarness(std::initializer_list<int> types)
    : random(ScriptedRandom::ofTypes(types)), program(GetModuleHandleW(nullptr), random, sounds,
                                                      [this](int code) { ends.push_back(code); }) {
    program.start();
    SetForegroundWindow(main());
    pump(50);
}

ProgramHarness::~ProgramHarness() {
    holdModifiers(None);
}

void ProgramHarness::pump(int milliseconds) {
    const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            program.deliver(message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= until) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
    }
}

void ProgramHarness::pressKey(WPARAM key, unsigned modifiers, bool repeat) {
    const bool alt = (modifiers & Alt) != 0;
    holdModifiers(modifiers);
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr) << "no window of the program has the focus";
    PostMessageW(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, keyData(key, alt, repeat, false));
    PostMessageW(focus, alt ? WM_SYSKEYUP : WM_KEYUP, key, keyData(key, alt, repeat, true));
    pump();
    holdModifiers(None);
}

void ProgramHarness::mouse(UINT message, POINT logical) {
    const Scale& scale = program.mainWindow().scale();
    const WPARAM buttons = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    PostMessageW(main(), message, buttons, MAKELPARAM(scale.px(logical.x), scale.px(logical.y)));
    pump();
}

void ProgramHarness::click(POINT logical) {
    mouse(WM_LBUTTONDOWN, logical);
    mouse(WM_LBUTTONUP, logical);
}

QuestionAnswerer::QuestionAnswerer(int answer, bool escapeFirst)
    : answer_(answer), escapeFirst_(escapeFirst), timer_(SetTimer(nullptr, 0, 20, poll)) {
    answering = this;
}

QuestionAnswerer::~QuestionAnswerer() {
    KillTimer(nullptr, timer_);
    answering = nullptr;
}

void CALLBACK QuestionAnswerer::poll(HWND, UINT, UINT_PTR, DWORD) {
    QuestionAnswerer* self = answering;
    if (self == nullptr) {
        return;
    }
    if (self->asked == 0 && self->escapedBox_ != nullptr && IsWindow(self->escapedBox_) == FALSE) {
        self->escaped = true;
        self->asked = 1;
    }
    // A message box is a dialog of the thread: class "#32770".
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            std::array<wchar_t, 16> name{};
            GetClassNameW(window, name.data(), static_cast<int>(name.size()));
            if (std::wstring(name.data()) == L"#32770" && IsWindowVisible(window) != FALSE) {
                answering->answer(window);
                return FALSE;
            }
            return TRUE;
        },
        0);
}

void QuestionAnswerer::answer(HWND box) {
    std::array<wchar_t, 256> buffer{};
    GetWindowTextW(box, buffer.data(), static_cast<int>(buffer.size()));
    title = buffer.data();
    GetDlgItemTextW(box, 0xFFFF, buffer.data(), static_cast<int>(buffer.size()));
    text = buffer.data();
    buttons.clear();
    for (const int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        HWND button = GetDlgItem(box, id);
        if (button != nullptr && IsWindowVisible(button) != FALSE) {
            buttons.push_back(id);
            if ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                defaultButton = id;
            }
        }
    }
    if (escapeFirst_ && asked == 0 && escapedBox_ == nullptr) {
        // As the player's Escape: to the box's control with the focus,
        // through the box's own message loop. Looked at again at the next
        // poll.
        escapedBox_ = box;
        HWND focus = GetFocus();
        PostMessageW(focus != nullptr ? focus : box, WM_KEYDOWN, VK_ESCAPE,
                     static_cast<LPARAM>(MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC)) << 16 | 1);
        return;
    }
    ++asked;
    SendMessageW(GetDlgItem(box, answer_), BM_CLICK, 0, 0);
}

} // namespace stackfall::testing
