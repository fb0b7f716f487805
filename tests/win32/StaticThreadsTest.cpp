// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces of winpthread that win32/StaticThreads.cpp replaces, as the C++
// runtime uses them: the game itself never throws, and reads the clock only
// for its seed. A plain program, not a GoogleTest one: GoogleTest uses the
// rest of winpthread, which would bring the replaced pieces back.
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <windows.h>

namespace {

constexpr int Throws = 1000;
int failures = 0;

void expect(bool holds, const char* what) {
    std::printf("%s - %s\n", holds ? "ok" : "FAIL", what);
    failures += holds ? 0 : 1;
}

// Throws a thousand numbers, each caught and thrown on from the thread's
// own record of the exceptions it is handling, counting those that arrive as
// thrown: with that record shared between threads, a number thrown on is
// sometimes another thread's.
DWORD WINAPI throwAndCatch(void* arrived) {
    for (int i = 0; i < Throws; ++i) {
        try {
            try {
                throw i;
            } catch (...) {
                SwitchToThread();
                throw;
            }
        } catch (const int& n) {
            *static_cast<int*>(arrived) += n == i ? 1 : 0;
        }
    }
    return 0;
}

void exceptionsInFiveThreadsAtOnce() {
    std::array<int, 5> arrived{};
    std::array<HANDLE, 4> threads{};
    for (std::size_t i = 0; i < threads.size(); ++i) {
        threads[i] = CreateThread(nullptr, 0, throwAndCatch, &arrived[i], 0, nullptr);
    }
    throwAndCatch(&arrived[4]);
    WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, INFINITE);
    for (HANDLE thread : threads) {
        CloseHandle(thread);
    }
    expect(arrived == std::array<int, 5>{Throws, Throws, Throws, Throws, Throws},
           "exceptions thrown in five threads at once each arrive as thrown");
}

void clocks() {
    // The C library's time() is the same calendar, reckoned on its own.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long seconds = std::chrono::duration_cast<std::chrono::seconds>(now).count();
    expect(std::llabs(seconds - static_cast<long long>(std::time(nullptr))) <= 2,
           "the system clock keeps the calendar");

    const auto before = std::chrono::steady_clock::now();
    Sleep(50);
    const auto slept = std::chrono::steady_clock::now() - before;
    expect(slept >= std::chrono::milliseconds(45) && slept < std::chrono::seconds(10),
           "the steady clock counts a 50 ms sleep");
}

} // namespace

int main() {
    exceptionsInFiveThreadsAtOnce();
    clocks();
    return failures == 0 ? 0 : 1;
}
