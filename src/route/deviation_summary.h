// The deviations of surveyed track from its design summed up for the check a
// surveyor hands in: for each quantity compared (the plan offset d, the level
// difference dH, the cant's difference dh), how many points, the least and the
// greatest with the points that have them, the mean, the root of the mean square
// (deviations are measured from the design, so it is no standard deviation about
// the mean) and how many points are over the tolerance.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct DeviationStatistics {
    int n = 0;
    double min = 0, max = 0;
    std::string minName, maxName; // the first point with the least, the greatest value
    double sum = 0, sumOfSquares = 0;
    int over = 0;

    // One point's deviation; over: it exceeds the tolerance.
    void Add(std::string_view name, double value, bool isOver);
    // The mean and the root of the mean square, each brought within what the values
    // allow where rounding would put it outside (min <= mean <= max, rms >= |mean|).
    double Mean() const;
    double Rms() const;
};

// "d: n=58 min=-0.0312 (T14) max=0.0251 (T45) mean=0.0004 rms=0.0123 over=3", the
// figures with the Linears decimals (a value that reads as zero without a minus
// sign), "over=" only where a tolerance was given; CR LF after it. Empty for n = 0.
std::string DeviationSummaryLine(std::string_view label, const DeviationStatistics& statistics,
                                 bool toleranceGiven);
