// The set-out of a run of 10,000 points on a transition spiral: the computation
// and the report text built for the editor, as one CALC of the spiral set-out
// dialog makes them (everything but the append itself). Prints the median time
// of several runs and the size of the report.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "numeric/precision_settings.h"
#include "set_out/set_out_calculators.h"
#include "elements/set_out_run.h"

namespace {

constexpr int Runs = 7;

// A spiral of 150 m into a curve of 300 m, on grid coordinates, and a run of
// MaxSetOutPoints pickets over its whole length 2.5 m to the left of it.
void StoreRun(CalculationStore& store) {
    using SV = StoredValue;
    store[SV::PK_line] = 12000;
    store[SV::Y_lin] = 512345.678;
    store[SV::X_lin] = 5412345.678;
    store[SV::PK_A] = 12400; // NKK, 400 m on along the straight at 30 degrees
    store[SV::Y_A] = 512345.678 + 200;
    store[SV::X_A] = 5412345.678 + 346.41016151377545;
    store[SV::Y_ck] = store[SV::Y_A] + 259.80762113533160; // 300 m to the right
    store[SV::X_ck] = store[SV::X_A] - 150;
    store[SV::R_kk] = 300;
    store[SV::L_sk] = 150;
    store[SV::q] = 0.05;
    store.Name(StoredName::PZ) = std::string("S"); // not = "S": a false -Wrestrict of GCC 12
    store[SV::PK_so] = 12324.4; // NSK is at 12324.375, the last picket of the spiral at 12474.4375
    store[SV::step] = 0.015;
    store[SV::PK_to] = store[SV::PK_so] + (MaxSetOutPoints - 1) * 0.015;
    store[SV::d_so] = -2.5;
}

} // namespace

int main() {
    LinearDecimals = DefaultLinearDecimals;
    AngleDecimals = DefaultAngleDecimals;
    std::vector<double> milliseconds;
    std::size_t reportBytes = 0, lines = 0, outside = 0;
    for (int run = 0; run < Runs; ++run) {
        CalculationStore store;
        StoreRun(store);
        const auto start = std::chrono::steady_clock::now();
        CalculationOutput out = SpiralSetOutCalculator.compute(store);
        const auto end = std::chrono::steady_clock::now();
        milliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        const std::string& points = out.resultPieces.back();
        reportBytes = out.resultPieces.front().size() + points.size();
        lines = static_cast<std::size_t>(std::count(points.begin(), points.end(), '\n')) - 1;
        outside = 0;
        for (std::size_t at = points.find('!'); at != std::string::npos; at = points.find('!', at + 1))
            ++outside;
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("spiral set-out of a run: %zu point lines (%zu refusal marks), report %zu bytes\n", lines,
                outside, reportBytes);
    std::printf("compute and report: median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d runs\n",
                milliseconds[Runs / 2], milliseconds.front(), milliseconds.back(), Runs);
    return 0;
}
