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
    // Kernel and user time in 100 ns steps, from the process's start: the
    // loading of the program and its libraries included.
    FILETIME created{};
    FILETIME exited{};
    FILETIME kernel{};
    FILETIME user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto steps = [](const FILETIME& t) {
        return static_cast<long long>((ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime);
    };
    const long long cpuMicros = (steps(kernel) + steps(user)) / 10;
    // Written without the C library's formatted output, which would bring a
    // floating-point formatter into the executable for two numbers.
    std::array<char, 48> line{};
    char* const last = line.data() + line.size() - 1;
    char* end = std::to_chars(line.data(), last, micros).ptr;
    *end++ = ' ';
    end = std::to_chars(end, last, cpuMicros).ptr;
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
