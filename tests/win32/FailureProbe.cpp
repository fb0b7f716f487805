// SPDX-License-Identifier: GPL-3.0-or-later
// Asks Windows for what it then refuses, as the program does: a timer, or a
// child window, for a window that is gone. The program must end with its
// failure box and status 1; returning 0 means it went on silently.
// Usage: win32_failure_probe timer|window
#include "GameTimer.h"
#include "LevelBar.h"

#include <string_view>
#include <windows.h>

int main(int argc, char** argv) {
    const std::string_view what = argc > 1 ? argv[1] : "";
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance,
                                nullptr);
    DestroyWindow(gone);
    if (what == "timer") {
        stackfall::GameTimer timer(1, 50, "Could not start the gravity timer.");
        timer.attach(gone);
        timer.setEnabled(true);
    } else if (what == "window") {
        const stackfall::LevelBar bar(instance, gone);
    } else {
        return 2;
    }
    return 0;
}
