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

// Two steps run by turns, `runs` times each: the median time of each and the median
// of the second's time over the first's within a turn, a comparison that a shared
// machine's changing load between the turns does not move.
struct PairedMilliseconds {
    double first, second, ratio;
};
inline PairedMilliseconds MedianPairedMilliseconds(int runs, const std::function<void()>& first,
                                                   const std::function<void()>& second) {
    std::vector<double> firsts, seconds, ratios;
    for (int run = 0; run < runs; ++run) {
        firsts.push_back(MedianMilliseconds(1, first));
        seconds.push_back(MedianMilliseconds(1, second));
        ratios.push_back(seconds.back() / firsts.back());
    }
    for (std::vector<double>* times : {&firsts, &seconds, &ratios})
        std::sort(times->begin(), times->end());
    const std::size_t middle = static_cast<std::size_t>(runs) / 2;
    return {firsts[middle], seconds[middle], ratios[middle]};
}
