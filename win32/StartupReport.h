// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <windows.h>

namespace stackfall {

// The benchmark's view of the start-up: when STACKFALL_STARTUP_REPORT names a
// file, the time from WinMain to the end of the main window's first paint is
// appended to it in microseconds, then the CPU time the whole process has
// used by then, and the program ends. Otherwise nothing is measured.
class StartupReport {
public:
    StartupReport();

    [[nodiscard]] bool wanted() const { return !path_.empty(); }
    // Writes the time since construction and the process's CPU time.
    void firstPaintDone() const;

private:
    std::wstring path_;
    LARGE_INTEGER start_{};
};

} // namespace stackfall
