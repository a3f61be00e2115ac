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

inline std::vector<std::string> GeneratedProfile(RandomInput& in) {
    const int n = in.Below(31);
    std::vector<double> PK = {in.Uniform(0, 1e5)}, H = {in.Uniform(100, 900)};
    for (int i = 0; i <= n; ++i) {
        const double length = in.Uniform(50, 2000);
        PK.push_back(PK.back() + length);
        H.push_back(H.back() + in.Uniform(-0.04, 0.04) * length);
    }
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
