#include "stopwatch.h"

#include <windows.h>

namespace {
long long Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}
} // namespace

Stopwatch::Stopwatch() : start_(Now()) {}

double Stopwatch::Milliseconds() const {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(Now() - start_) / static_cast<double>(frequency.QuadPart);
}
