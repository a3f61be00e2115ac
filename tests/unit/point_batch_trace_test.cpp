// The trace of many points at once, over generated elements and point lines:
// every point's figures equal to what the trace's own dialog gives for that point
// over the same stored element; and any selection at all gives the whole table.

// GCC 12 at -O3 wrongly sees an overlapping copy (-Wrestrict) where a short literal
// is joined to std::to_string(...), as the point names and lines below are written.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "calculator_run.h"
#include "resource_ids.h"
#include "text/selected_lines.h"
#include "trace/point_batch_trace.h"
#include "trace/trace_calculators.h"

namespace {

using Typed = std::map<int, std::string>;

std::string TraceAll(const PointBatchTrace& batch, const CalculationStore& store, const std::string& text) {
    return TracePointLines(batch, store, SelectedLines(text, 0, text.size()));
}

// A worked example of each trace: its fields, the pairs of coordinate fields, and
// a box (Y, X from .. to) about the element where points on and off it lie.
struct Example {
    const PointBatchTrace& batch;
    Typed fields;
    std::vector<std::pair<int, int>> places;
    double box[4];
};

const Example Examples[] = {
    {StraightPointBatch,
     {{IDC_PK_FIRST, "0"}, {IDC_PK_SECOND, "100.02"}},
     {{IDC_Y_FIRST, IDC_X_FIRST}, {IDC_Y_SECOND, IDC_X_SECOND}},
     {-10, 10, -20, 120}},
    {CircularPointBatch,
     {{IDC_PK_FIRST, "1000"},
      {IDC_PK_SECOND, "1157.0796"},
      {IDC_R_KK, "100"},
      {IDC_Z, "0.1"},
      {IDC_Q, "0.05"}},
     {{IDC_Y_FIRST, IDC_X_FIRST}, {IDC_Y_SECOND, IDC_X_SECOND}, {IDC_Y_CK, IDC_X_CK}},
     {-30, 110, -30, 110}},
    {SpiralPointBatch,
     {{IDC_PK_FIRST, "0"}, {IDC_PK_SECOND, "100"}, {IDC_R_KK, "100"}, {IDC_L_SK, "40"}, {IDC_Q, "0.1"}},
     {{IDC_Y_FIRST, IDC_X_FIRST}, {IDC_Y_SECOND, IDC_X_SECOND}, {IDC_Y_CK, IDC_X_CK}},
     {-4, 8, 70, 130}},
};
// The places of the examples, in the order of their pairs of fields.
const double Places[][3][2] = {
    {{0, 0}, {0, 100}}, {{0, 100}, {100, 0}, {0, 0}}, {{0, 0}, {0, 100}, {100, 100}}};

// Coordinates turned by an angle, mirrored or not, shifted, written to 4 decimals.
struct Placing {
    double angle, mirror, dy, dx;
    std::pair<std::string, std::string> operator()(double y, double x) const {
        char ty[40], tx[40];
        std::snprintf(ty, sizeof ty, "%.4f", dy + mirror * y * std::cos(angle) + x * std::sin(angle));
        std::snprintf(tx, sizeof tx, "%.4f", dx - mirror * y * std::sin(angle) + x * std::cos(angle));
        return {ty, tx};
    }
};

// A point line in one of the forms a field book holds; name is set as the report gives it.
std::string PointLineText(unsigned form, int number, const std::string& y, const std::string& x,
                          std::string& name) {
    name = form % 2 ? "P" + std::to_string(number) : std::to_string(1000 + number);
    const std::string forms[] = {
        name + "  " + y + " " + x, "\t" + name + "\t" + y + "\t" + x + "\t101.35\tRAIL",
        name + ";" + y + ";;" + x + ";", name + "," + y + "," + x + ",101.35", y + " " + x};
    if (form % 5 == 4) name = "L" + std::to_string(number);
    return forms[form % 5];
}

class PointBatch : public CalculatorTest {};

TEST_F(PointBatch, EveryPointAsItsDialogGivesIt) {
    std::mt19937 random(20240917);
    auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    for (const Example& example : Examples) {
        int outsideSeen = 0;
        for (int element = 0; element < 20; ++element) {
            SCOPED_TRACE(std::string(example.batch.reportTitle) + ", element " + std::to_string(element));
            const Placing place = {uniform(0, 6.3), random() % 2 ? 1.0 : -1.0, uniform(-9e3, 9e3),
                                   uniform(-9e3, 9e3)};
            Typed fields = example.fields;
            for (std::size_t i = 0; i < example.places.size(); ++i) {
                const double* p = Places[&example - Examples][i];
                std::tie(fields[example.places[i].first], fields[example.places[i].second]) =
                    place(p[0], p[1]);
            }
            store.Reset();
            RunCalculator(*example.batch.trace, store, fields);

            std::string text, expected;
            int counts[3] = {0, 0, 0}; // traced, outside, skipped
            for (int number = 1; number <= 30; ++number) {
                if (random() % 8 == 0) { // a line that is no point
                    text += "P" + std::to_string(number) + " 5,1 6,2\r\n";
                    expected += "! Line " + std::to_string(number) +
                                " skipped, \"5,1\" is not a number (write a decimal point): P" +
                                std::to_string(number) + " 5,1 6,2\r\n";
                    ++counts[2];
                    continue;
                }
                const auto [y, x] =
                    place(uniform(example.box[0], example.box[1]), uniform(example.box[2], example.box[3]));
                std::string name;
                text += PointLineText(random(), number, y, x, name) + "\r\n";

                // The same point typed into the trace's dialog over the same element.
                CalculationStore single;
                Typed typed = fields;
                typed[IDC_PZ_NAME] = name;
                typed[IDC_Y_PZ] = y;
                typed[IDC_X_PZ] = x;
                const CalculatorRun run = RunCalculator(*example.batch.trace, single, typed);
                expected += name + "   Ypz=" + y + "   Xpz=" + x;
                if (const std::size_t words = run.report.find("\r\n!Point "); words != std::string::npos) {
                    expected +=
                        "   " + run.report.substr(words + 2, run.report.find("\r\n", words + 2) - words - 2);
                    ++counts[1];
                } else {
                    expected += "   PKpz=" + run.resultFields.at(IDC_PK_PZ) +
                                "   Dpz=" + run.resultFields.at(IDC_D_PZ);
                    ++counts[0];
                }
                expected += "\r\n";
            }
            expected = "\r\n\r\n" + expected + "Points: " + std::to_string(counts[0]) + " traced, " +
                       std::to_string(counts[1]) + " outside, " + std::to_string(counts[2]) + " skipped\r\n";
            outsideSeen += counts[1];

            const std::string table = TraceAll(example.batch, store, text);
            ASSERT_GE(table.size(), expected.size());
            EXPECT_EQ(table.substr(table.size() - expected.size()), expected);
        }
        if (example.batch.trace != &StraightTraceCalculator) {
            EXPECT_GT(outsideSeen, 20); // the boxes reach off the curves' stretches
        }
    }
}

// Bytes of every value but NUL and the line break, 100,000 lines and a line of a
// megabyte, over an element of zeros whose figures are not finite: every line
// that is not blank is counted once, and the table ends with the counts.
TEST_F(PointBatch, AnySelectionGivesTheWholeTable) {
    std::mt19937 random(7);
    std::string text;
    int notBlank = 0;
    for (int line = 0; line < 100000; ++line) {
        std::string bytes = line % 1000 == 0 ? "P" + std::to_string(line) + " 1 2" : "";
        for (int length = line % 1000 ? static_cast<int>(random() % 12) : 0; length > 0; --length) {
            const char c = static_cast<char>(1 + random() % 255);
            bytes += c == '\r' || c == '\n' ? ' ' : c;
        }
        notBlank += bytes.find_first_not_of(" \t") != std::string::npos;
        text += bytes + "\r\n";
    }
    text += "P1 5 " + std::string(1 << 20, '7') + "\r\n";
    ++notBlank;

    const std::string table = TraceAll(SpiralPointBatch, store, text);
    int traced = -1, outside = -1, skipped = -1;
    ASSERT_EQ(std::sscanf(table.c_str() + table.rfind("\r\nPoints: ") + 2,
                          "Points: %d traced, %d outside, %d skipped", &traced, &outside, &skipped),
              3);
    EXPECT_EQ(traced + outside + skipped, notBlank);
    EXPECT_GE(outside, 100); // P0, P1000...: no point is on a spiral of zeros
    EXPECT_TRUE(table.ends_with("! Line 100001 skipped, \"" + std::string(40, '7') + "...\" is not a number: P1 5 " +
                                std::string(115, '7') + "...\r\n" +
                                "Points: " + std::to_string(traced) + " traced, " + std::to_string(outside) +
                                " outside, " + std::to_string(skipped) + " skipped\r\n"));
}

} // namespace
