// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace stackfall::hardening {

// The process's resident memory in bytes, from /proc/self/statm; 0 when it
// cannot be read.
[[nodiscard]] std::int64_t residentBytes();

// Resident memory by kind, in bytes, from /proc/self/status: anonymous pages
// (heap, stacks, pixel buffers: what a leak grows), pages of mapped files
// (library code, fonts: they come in as code first runs and go when the
// system is short of memory) and shared memory. All 0 when unreadable.
struct ResidentParts {
    std::int64_t anonymous = 0;
    std::int64_t file = 0;
    std::int64_t shared = 0;
};
[[nodiscard]] ResidentParts residentParts();

// Hands the allocator's free pages back to the system, so that the resident
// size counts what the program holds rather than what the allocator keeps
// for later: a leak still shows, allocator caching does not.
void returnFreeMemory();

// The bytes the C library's allocator has handed out and not had back. It
// tells a leak (this grows) from memory that the allocator keeps for reuse
// (only the resident size grows).
[[nodiscard]] std::int64_t heapInUseBytes();

} // namespace stackfall::hardening
