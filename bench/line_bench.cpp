// The whole line: an IP table of 1,000 IPs as selected lines of the field book,
// read, built and reported as "Elements of the selected line" does it (everything
// but the append). Prints the median time of several runs and the report's size.
#include <algorithm>
#include <cmath>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "line/line_elements.h"
#include "numeric/precision_settings.h"

namespace {

constexpr int Runs = 7;
constexpr int Ips = 1000;

// A zigzag route on grid coordinates: legs of 600 m, bends of 20 degrees either
// way, R 800 m, spirals of 100 m.
std::string IpTableText() {
    std::string text = "START 12000.000 512345.678 5412345.678\r\n";
    double Y = 512345.678, X = 5412345.678, direction = 0.5;
    char line[160];
    for (int i = 0; i <= Ips; ++i) {
        Y += 600 * std::sin(direction), X += 600 * std::cos(direction);
        if (i == Ips) break;
        std::snprintf(line, sizeof line, "IP VU%d %.3f %.3f 800 100\r\n", i + 1, Y, X);
        text += line;
        direction += i % 2 == 0 ? 0.35 : -0.35;
    }
    std::snprintf(line, sizeof line, "END %.3f %.3f\r\n", Y, X);
    return text + line;
}

} // namespace

int main() {
    LinearDecimals = DefaultLinearDecimals;
    AngleDecimals = DefaultAngleDecimals;
    const std::string text = IpTableText();
    std::vector<double> milliseconds;
    std::size_t reportBytes = 0;
    bool read = false;
    for (int run = 0; run < Runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const LineElements elements = ReadLineElements(SelectedLines(text, 0, text.size()));
        const auto end = std::chrono::steady_clock::now();
        milliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        reportBytes = elements.report.size();
        read = elements.line.has_value();
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("Elements of a line of %d IPs (read, built, reported): median %.2f ms of %d runs "
                "(min %.2f, max %.2f); report %zu bytes%s\n",
                Ips, milliseconds[Runs / 2], Runs, milliseconds.front(), milliseconds.back(), reportBytes,
                read ? "" : " (REFUSED)");
    return read ? 0 : 1;
}
