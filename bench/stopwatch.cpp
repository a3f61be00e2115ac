#include "stopwatch.h"

namespace {
long long Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// FILETIME counts 100 ns ticks.
double Milliseconds(const FILETIME& time) {
    return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
           10000.0;
}
} // namespace

Stopwatch::Stopwatch() : start_(Now()) {}

double Stopwatch::Milliseconds() const {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(Now() - start_) / static_cast<double>(frequency.QuadPart);
}

double ThreadCpuMilliseconds(HANDLE thread) {
    FILETIME created, ended, kernel, user;
    if (!GetThreadTimes(thread, &created, &ended, &kernel, &user)) return -1;
    return Milliseconds(kernel) + Milliseconds(user);
}
