// SPDX-License-Identifier: GPL-3.0-or-later
#include "Resident.h"

#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace stackfall::hardening {

std::int64_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::int64_t size = 0;
    std::int64_t resident = 0;
    if (!(statm >> size >> resident)) {
        return 0;
    }
    return resident * static_cast<std::int64_t>(sysconf(_SC_PAGESIZE));
}

ResidentParts residentParts() {
    ResidentParts parts;
    std::ifstream status("/proc/self/status");
    std::string field;
    std::int64_t kib = 0;
    while (status >> field) {
        std::int64_t* part = field == "RssAnon:"    ? &parts.anonymous
                             : field == "RssFile:"  ? &parts.file
                             : field == "RssShmem:" ? &parts.shared
                                                    : nullptr;
        if (part != nullptr && status >> kib) {
            *part = kib * 1024;
        }
    }
    return parts;
}

void returnFreeMemory() {
    malloc_trim(0);
}

std::int64_t heapInUseBytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<std::int64_t>(info.uordblks + info.hblkhd);
}

} // namespace stackfall::hardening
