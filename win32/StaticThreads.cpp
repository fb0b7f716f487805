// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces of winpthread that the statically linked C++ runtime asks for,
// on Windows' own calls, to keep the program small: linked before the
// runtime, they keep winpthread's own from being pulled in. The per-thread
// exception state is kept in emulated thread-local storage, which wants a
// once-flag and a key, and the clocks of <chrono> want clock_gettime. The
// objects of winpthread that hold those bring the rest of it, thread
// creation, condition variables and read-write locks, which the program
// never uses (26 KB). Should the program come to use another piece of those
// objects, the link fails with a duplicate symbol, and that piece belongs
// here too. Declared by <pthread.h>, so that the compiler holds each one to
// winpthread's own signature.
#include <cerrno>
#include <ctime>
#include <pthread.h>
#include <windows.h>

extern "C" {

// 0: not run yet, 1: running in some thread, 2: done.
int pthread_once(pthread_once_t* once, void (*init)()) {
    if (InterlockedCompareExchange(once, 1, 0) == 0) {
        init();
        InterlockedExchange(once, 2);
        return 0;
    }
    while (InterlockedCompareExchange(once, 2, 2) != 2) {
        SwitchToThread();
    }
    return 0;
}

// A key is a thread-local storage index. Its destructor, which frees the
// emulated storage of a thread that ends, is not run: a thread that ends
// after an exception leaves those few bytes behind.
int pthread_key_create(pthread_key_t* key, void (*)(void*)) {
    const DWORD index = TlsAlloc();
    if (index == TLS_OUT_OF_INDEXES) {
        return EAGAIN;
    }
    *key = index;
    return 0;
}

void* pthread_getspecific(pthread_key_t key) {
    return TlsGetValue(key);
}

int pthread_setspecific(pthread_key_t key, const void* value) {
    return TlsSetValue(key, const_cast<void*>(value)) != FALSE ? 0 : EINVAL;
}

// The real-time clock counts from 1970 in the system time's 100-ns steps; the
// monotonic clock is the performance counter. No other clock is asked for.
int clock_gettime(clockid_t clock, timespec* now) {
    constexpr long long NanosecondsPerSecond = 1'000'000'000;
    if (clock == CLOCK_REALTIME) {
        FILETIME time{};
        GetSystemTimeAsFileTime(&time);
        constexpr unsigned long long From1601To1970 = 116'444'736'000'000'000;
        const unsigned long long steps =
            (static_cast<unsigned long long>(time.dwHighDateTime) << 32 | time.dwLowDateTime) -
            From1601To1970;
        now->tv_sec = static_cast<time_t>(steps / 10'000'000);
        now->tv_nsec = static_cast<long>(steps % 10'000'000 * 100);
        return 0;
    }
    if (clock == CLOCK_MONOTONIC) {
        LARGE_INTEGER count{};
        LARGE_INTEGER frequency{};
        QueryPerformanceCounter(&count);
        QueryPerformanceFrequency(&frequency);
        now->tv_sec = static_cast<time_t>(count.QuadPart / frequency.QuadPart);
        now->tv_nsec = static_cast<long>(count.QuadPart % frequency.QuadPart *
                                         NanosecondsPerSecond / frequency.QuadPart);
        return 0;
    }
    errno = EINVAL;
    return -1;
}

} // extern "C"
