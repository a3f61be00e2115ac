// Elapsed wall-clock time in milliseconds, from the performance counter; and the
// processor time a thread has used, which a busy shared machine disturbs far less
// than the wall clock.
#pragma once

#include <windows.h>

class Stopwatch {
public:
    Stopwatch();
    double Milliseconds() const;

private:
    long long start_;
};

// Milliseconds of processor time (user and kernel) the thread has used.
double ThreadCpuMilliseconds(HANDLE thread);
