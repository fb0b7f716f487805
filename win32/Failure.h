// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace stackfall {

// Ends the program because Windows refused something it cannot go on
// without (a window class, a window, a timer): one message box titled as the
// main window, with `what` as its one line, then exit status 1. Better than
// a process with no window, or a game that has silently stopped.
[[noreturn]] void failed(std::string_view what);

// `made`, or the program's end with `what` when it is null.
template <typename Handle>
Handle checked(Handle made, std::string_view what) {
    if (made == nullptr) {
        failed(what);
    }
    return made;
}

} // namespace stackfall
