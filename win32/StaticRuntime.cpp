// SPDX-License-Identifier: GPL-3.0-or-later
// Three pieces of the statically linked C++ runtime, replaced to keep the
// program small (StaticThreads.cpp replaces those of winpthread). Linked
// before the runtime, these definitions keep its own from being pulled in,
// and with them about 125 KB of code the game never needs:
//  - the verbose terminate handler, which writes the demangled type of an
//    uncaught exception to a console a windowed program does not have, and
//    brings the demangler and printf;
//  - the throw helpers of the containers, whose length error is built from a
//    reference-counted string and brings both of the runtime's string
//    implementations and std::random_device.
// Nothing in the program catches these exceptions: an uncaught one ends the
// program at once either way. Should another throw helper come to be used,
// the link fails with a duplicate symbol, and it belongs here too.
#include <cstdlib>
#include <new>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx

namespace std {

[[noreturn]] void __throw_bad_alloc() {
    throw bad_alloc();
}

[[noreturn]] void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}

// A container asked to outgrow what it can address.
[[noreturn]] void __throw_length_error(const char*) {
    std::abort();
}

} // namespace std
