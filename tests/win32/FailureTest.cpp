// SPDX-License-Identifier: GPL-3.0-or-later
// What Windows refuses the program, a timer or a window, ends it with one
// message box saying what failed and exit status 1, never a process that
// goes on silently or has no window.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <windows.h>

namespace stackfall::testing {
namespace {

// The probe beside this test's executable, run with `what` to fail: the
// box it shows (title, text) and its exit status, the box answered with OK.
struct Failure {
    std::wstring title;
    std::wstring text;
    int boxes = 0;
    DWORD status = STILL_ACTIVE;
};
Failure failureOf(const wchar_t* what) {
    std::array<wchar_t, MAX_PATH> path{};
    GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring command = path.data();
    command.resize(command.rfind(L'\\') + 1);
    command = L"\"" + command + L"win32_failure_probe.exe\" " + what;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    Failure failure;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process) == FALSE) {
        return failure;
    }
    struct Search {
        DWORD process;
        Failure* failure;
        HWND box;
    } search{process.dwProcessId, &failure, nullptr};
    for (int waited = 0; waited < 200 && search.box == nullptr; ++waited) {
        if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) {
            break; // ended without a box
        }
        failure.boxes = 0;
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == s->process && IsWindowVisible(window) != FALSE) {
                    std::array<wchar_t, 256> text{};
                    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
                    s->failure->title = text.data();
                    GetDlgItemTextW(window, 0xFFFF, text.data(), static_cast<int>(text.size()));
                    s->failure->text = text.data();
                    ++s->failure->boxes;
                    s->box = window;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
    }
    if (search.box != nullptr) {
        PostMessageW(search.box, WM_COMMAND, IDOK, 0);
    }
    WaitForSingleObject(process.hProcess, 10000);
    GetExitCodeProcess(process.hProcess, &failure.status);
    if (failure.status == STILL_ACTIVE) {
        TerminateProcess(process.hProcess, 99);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return failure;
}

TEST(FailureTest, WhatWindowsRefusesEndsTheProgramWithOneBoxAndStatusOne) {
    const Failure timer = failureOf(L"timer");
    EXPECT_EQ(timer.boxes, 1);
    EXPECT_EQ(timer.title, L"Stackfall");
    EXPECT_EQ(timer.text, L"Could not start the gravity timer.");
    EXPECT_EQ(timer.status, 1u);
    const Failure window = failureOf(L"window");
    EXPECT_EQ(window.boxes, 1);
    EXPECT_EQ(window.title, L"Stackfall");
    EXPECT_EQ(window.text, L"Could not create the level bar.");
    EXPECT_EQ(window.status, 1u);
}

} // namespace
} // namespace stackfall::testing
