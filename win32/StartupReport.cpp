// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupReport.h"

#include <array>
#include <cstdio>

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
    if (FILE* file = _wfopen(path_.c_str(), L"a")) {
        std::fprintf(file, "%lld\n", micros);
        std::fclose(file);
    }
}

} // namespace stackfall
