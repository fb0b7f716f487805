// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace stackfall::hardening {

// The process's resident memory in bytes, from /proc/self/statm; 0 when it
// cannot be read.
[[nodiscard]] std::int64_t residentBytes();

// Hands the allocator's free pages back to the system, so that the resident
// size counts what the program holds rather than what the allocator keeps
// for later: a leak still shows, allocator caching does not.
void returnFreeMemory();

// The bytes the C library's allocator has handed out and not had back. It
// tells a leak (this grows) from memory that the allocator keeps for reuse
// (only the resident size grows).
[[nodiscard]] std::int64_t heapInUseBytes();

} // namespace stackfall::hardening
