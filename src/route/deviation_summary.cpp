#include "route/deviation_summary.h"

#include <algorithm>
#include <cmath>

#include "numeric/report_numbers.h"

void DeviationStatistics::Add(std::string_view name, double value, bool isOver) {
    if (n == 0 || value < min) min = value, minName = name;
    if (n == 0 || value > max) max = value, maxName = name;
    ++n;
    sum += value;
    sumOfSquares += value * value;
    over += isOver ? 1 : 0;
}

double DeviationStatistics::Mean() const {
    if (n == 0) return 0;
    return std::clamp(sum / n, min, max);
}

double DeviationStatistics::Rms() const {
    if (n == 0) return 0;
    return std::max(std::sqrt(sumOfSquares / n), std::fabs(Mean()));
}

std::string DeviationSummaryLine(std::string_view label, const DeviationStatistics& statistics,
                                 bool toleranceGiven) {
    if (statistics.n == 0) return {};
    std::string line(label);
    line += ": n=" + std::to_string(statistics.n);
    line += " min=" + SignedLinearText(statistics.min) + " (" + statistics.minName + ")";
    line += " max=" + SignedLinearText(statistics.max) + " (" + statistics.maxName + ")";
    line += " mean=" + SignedLinearText(statistics.Mean());
    line += " rms=" + SignedLinearText(statistics.Rms());
    if (toleranceGiven) line += " over=" + std::to_string(statistics.over);
    line += "\r\n";
    return line;
}
