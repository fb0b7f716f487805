// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupReport.h"

#include <array>
#include <charconv>

namespace stackfall {

StartupReport::StartupReport() {
    QueryPerformanceCounter(&start_);
    std::array<wchar_t, MAX_PATH> path{};
    const DWORD length = GetEnvironmentVariableW(L"STACKFALL_STARTUP_REPORT", path.data(),
                                                 static_cast<DWORD>(path.size()));
    if (length > 0 && length < path.size()) {
        path_.assign(path.data(), length);
    }
}

void StartupReport::firstPaintDone() const {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const long long micros = (now.QuadPart - start_.QuadPart) * 1000000 / frequency.QuadPart;
    // Written without the C library's formatted output, which would bring a
    // floating-point formatter into the executable for one number.
    std::array<char, 24> line{};
    char* end = std::to_chars(line.data(), line.data() + line.size() - 1, micros).ptr;
    *end++ = '\n';
    HANDLE file = CreateFileW(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, line.data(), static_cast<DWORD>(end - line.data()), &written, nullptr);
        CloseHandle(file);
    }
}

} // namespace stackfall
