// A profile as a designer would give it, generated: PSTART, 0 to 30 PVIs on grades
// of up to 40 thousandths, each with a vertical curve (Rv up to 30,000) that
// leaves room for its neighbours' or, one time in five, none; then PEND.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "random_input.h"
#include "text/number_text.h"

// From PK start to end, the PVIs spread along it; or, with no end given, from
// start on grades of 50 to 2000 each.
inline std::vector<std::string> GeneratedProfile(RandomInput& in, double start, double end = NAN) {
    const int n = in.Below(31);
    std::vector<double> PK = {start}, H = {in.Uniform(100, 900)};
    for (int i = 1; i <= n + 1; ++i) {
        const double length = std::isnan(end) ? in.Uniform(50, 2000) : (end - start) / (n + 1);
        // Spread, not evenly: each a third of its share either way.
        const double jitter = std::isnan(end) || i > n ? 0 : in.Uniform(-0.3, 0.3) * length;
        PK.push_back(std::isnan(end) ? PK.back() + length : start + i * length + jitter);
        H.push_back(H.back() + in.Uniform(-0.04, 0.04) * (PK[i] - PK[i - 1]));
    }
    if (!std::isnan(end)) PK.back() = end;
    auto text = [](double v) { return " " + std::string(FormatNumber(v)); };
    std::vector<std::string> lines = {"PSTART" + text(PK[0]) + text(H[0])};
    for (int i = 1; i <= n; ++i) {
        const double w = (H[i + 1] - H[i]) / (PK[i + 1] - PK[i]) - (H[i] - H[i - 1]) / (PK[i] - PK[i - 1]);
        // Each curve takes at most 0.45 of the grades on either side.
        const double room = 0.45 * std::min(PK[i] - PK[i - 1], PK[i + 1] - PK[i]);
        const double Rv =
            in.Percent(20) || w == 0 ? 0 : std::min(in.Uniform(500, 30000), 2 * room / std::abs(w));
        lines.push_back("PVI VP" + std::to_string(i) + text(PK[i]) + text(H[i]) + text(Rv));
    }
    lines.push_back("PEND" + text(PK[n + 1]) + text(H[n + 1]));
    return lines;
}

inline std::vector<std::string> GeneratedProfile(RandomInput& in) {
    return GeneratedProfile(in, in.Uniform(0, 1e5));
}
