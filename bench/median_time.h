// The median wall-clock time of several runs of one step, in milliseconds: the
// figure the benchmarks print, steadier than one run on a shared machine.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

inline double MedianMilliseconds(int runs, const std::function<void()>& step) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        step();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
