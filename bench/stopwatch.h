// Elapsed wall-clock time in milliseconds, from the performance counter.
#pragma once

class Stopwatch {
public:
    Stopwatch();
    double Milliseconds() const;

private:
    long long start_;
};
