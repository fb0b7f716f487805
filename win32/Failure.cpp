// SPDX-License-Identifier: GPL-3.0-or-later
#include "Failure.h"

#include "Text.h"
#include "TopWindows.h"

#include <utility>
#include <windows.h>

namespace stackfall {

void failed(std::string_view what) {
    // The box's own message loop still runs the game's timers, which could
    // fail again behind it: the first failure is the one the player reads.
    static bool reported = false;
    if (!std::exchange(reported, true)) {
        MessageBoxW(nullptr, wide(what).c_str(), wide(windows::MainTitle).c_str(),
                    MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
    }
    ExitProcess(1);
}

} // namespace stackfall
