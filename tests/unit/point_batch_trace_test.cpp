// The trace of many points at once: the whole table for the worked examples, and,
// over generated elements and point lines, every point's figures equal to what
// the trace's own dialog gives for that point over the same stored element.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "calculator_run.h"
#include "resource_ids.h"
#include "text/selected_lines.h"
#include "trace/point_batch_trace.h"

namespace {

using Typed = std::map<int, std::string>;

// The report of the lines of text, all of them selected.
std::string TraceAll(const PointBatchTrace& batch, const CalculationStore& store, const std::string& text) {
    return TracePointLines(batch, store, SelectedLines(text, 0, text.size()));
}

class PointBatch : public CalculatorTest {};

TEST_F(PointBatch, WorkedExamplesWholeTable) {
    struct Case {
        const PointBatchTrace& batch;
        Typed element; // typed into the trace's dialog and CALCed first
        std::string lines;
        std::string table;
    };
    const Case cases[] = {
        {StraightPointBatch,
         {{IDC_PK_FIRST, "0"}, {IDC_Y_FIRST, "0"}, {IDC_X_FIRST, "0"}, {IDC_PK_SECOND, "100"},
          {IDC_Y_SECOND, "0"}, {IDC_X_SECOND, "100"}, {IDC_PZ_NAME, "Q"}, {IDC_Y_PZ, "1"}, {IDC_X_PZ, "1"}},
         "P1 5 30\r\nP2\t-5\t30\t101.3\r\njunk\r\n  \r\n100.2;40",
         "\r\nTrace of points on linear trace\r\n"
         "\r\nPK0=0   Y0=0   X0=0"
         "\r\nPKn=100   Yn=0   Xn=100\r\n"
         "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\n"
         "\r\nP1   Ypz=5   Xpz=30   PKpz=30.0000   Dpz=5.0000"
         "\r\nP2   Ypz=-5   Xpz=30   PKpz=30.0000   Dpz=-5.0000"
         "\r\n! Line 3 skipped: junk"
         "\r\nL5   Ypz=100.2   Xpz=40   PKpz=40.0000   Dpz=100.2000"
         "\r\nPoints: 3 traced, 0 outside, 1 skipped\r\n"},
        {CircularPointBatch,
         {{IDC_PK_FIRST, "1000"}, {IDC_Y_FIRST, "0"}, {IDC_X_FIRST, "100"}, {IDC_PK_SECOND, "1157.0796"},
          {IDC_Y_SECOND, "100"}, {IDC_X_SECOND, "0"}, {IDC_Y_CK, "0"}, {IDC_X_CK, "0"}, {IDC_R_KK, "100"},
          {IDC_Z, "0"}, {IDC_Q, "0"}},
         "P2,72.124892,72.124892\r\nP3,-17.364818,98.480775",
         "\r\nTrace of points on circular crooked trace\r\n"
         "\r\nPK0=1000   Y0=0   X0=100"
         "\r\nPKn=1157.0796   Yn=100   Xn=0"
         "\r\nCENTR: Yck=0   Xck=0"
         "\r\nR=100   z=0   q=0\r\n"
         "\r\nAnkk= 0' 0' 0'   Rnkk=100.0000"
         "\r\nAkkk= 90' 0' 0'   Rkkk=100.0000"
         "\r\nBeta= 90' 0' 0'   Lkk=157.0796\r\n"
         "\r\nP2   Ypz=72.124892   Xpz=72.124892   PKpz=1078.5398   Dpz=2.0000"
         "\r\nP3   Ypz=-17.364818   Xpz=98.480775   !Point outside of circular crooked!"
         "\r\nPoints: 1 traced, 1 outside, 0 skipped\r\n"},
        {SpiralPointBatch,
         {{IDC_PK_FIRST, "0"}, {IDC_Y_FIRST, "0"}, {IDC_X_FIRST, "0"}, {IDC_PK_SECOND, "100"},
          {IDC_Y_SECOND, "0"}, {IDC_X_SECOND, "100"}, {IDC_Y_CK, "100"}, {IDC_X_CK, "100"}, {IDC_R_KK, "100"},
          {IDC_L_SK, "40"}, {IDC_Q, "0.1"}},
         "S1 2 100\r\nS2 2 70\r\nS7 -300 96\r\nS8 2,5 100",
         "\r\nTrace of points on connecting crooked (spiral) trace\r\n"
         "\r\nPK_l=0   Y_l=0   X_l=0"
         "\r\nPK_nkk=100   Y_nkk=0   X_nkk=100"
         "\r\nCENTR: Yck=100   Xck=100"
         "\r\nR_kk=100   L_sk=40   q=0.1\r\n"
         "\r\nApk= 0' 0' 0'   Lpk=100.0000"
         "\r\nRk=100.0000   !Right!"
         "\r\nC=4000.0000"
         "\r\na=20.1083   a1=19.7320"
         "\r\n(X)=39.8403   (Y)=2.6591"
         "\r\n(Z)=0.6793   (FI)= 11' 27' 32.96'"
         "\r\nPKnsk=79.8917   PKksk=119.8917\r\n"
         "\r\nS1   Ypz=2   Xpz=100   PKpz=100.0933   Dpz=1.6084"
         "\r\nS2   Ypz=2   Xpz=70   !Point outside of connecting crooked!"
         "\r\nS7   Ypz=-300   Xpz=96   !Point not resolved on connecting crooked!"
         "\r\n! Line 4 skipped: S8 2,5 100"
         "\r\nPoints: 1 traced, 2 outside, 1 skipped\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.batch.reportTitle);
        store.Reset();
        RunCalculator(*c.batch.trace, store, c.element);
        EXPECT_EQ(TraceAll(c.batch, store, c.lines), c.table);
    }
}

// Whatever the selection holds (bytes of every value but NUL and the line break,
// 100,000 lines, a line of a megabyte), over an element of zeros whose figures are
// not finite: every line that is not blank is counted once, as a point or as
// skipped, and the table ends with the counts.
TEST_F(PointBatch, AnySelectionGivesTheWholeTable) {
    std::mt19937 random(7);
    std::string text;
    int notBlank = 0;
    for (int line = 0; line < 100000; ++line) {
        std::string bytes;
        for (int length = static_cast<int>(random() % 12); length > 0; --length) {
            char c = static_cast<char>(1 + random() % 255);
            bytes += c == '\r' || c == '\n' ? ' ' : c;
        }
        if (line % 1000 == 0) bytes = "P" + std::to_string(line) + " 1 2";
        notBlank += bytes.find_first_not_of(" \t") != std::string::npos;
        text += bytes + "\r\n";
    }
    text += "P1 5 " + std::string(1 << 20, '7') + "\r\n";
    ++notBlank;

    const std::string table = TraceAll(SpiralPointBatch, store, text);
    const std::size_t last = table.rfind("Points: ");
    ASSERT_NE(last, std::string::npos);
    int traced = -1, outside = -1, skipped = -1;
    ASSERT_EQ(std::sscanf(table.c_str() + last, "Points: %d traced, %d outside, %d skipped", &traced, &outside,
                          &skipped),
              3);
    EXPECT_EQ(traced + outside + skipped, notBlank);
    EXPECT_GE(outside, 100); // the lines P0, P1000...: a point at all on a spiral of zeros is not
    EXPECT_TRUE(table.ends_with(" skipped\r\n"));
}

// Generated elements of track and lines of points about them.
std::string Text(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    return buffer;
}

double Uniform(std::mt19937& random, double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
}

struct Place {
    double y, x;
};

// A place reckoned from an origin by a distance along the direction angle a and
// an offset to its right.
Place Along(Place origin, double a, double along, double right) {
    return {origin.y + along * std::sin(a) + right * std::cos(a), origin.x + along * std::cos(a) - right * std::sin(a)};
}

struct GeneratedElement {
    Typed fields;
    std::function<Place(std::mt19937&)> pointNear; // on and off the element's stretch
};

GeneratedElement Straight(std::mt19937& r) {
    const Place a = {Uniform(r, -9000, 9000), Uniform(r, -9000, 9000)};
    const double angle = Uniform(r, 0, 2 * std::numbers::pi), length = Uniform(r, 50, 500);
    const double pkA = Uniform(r, 0, 5000), sense = r() % 2 ? 1 : -1;
    const Place b = Along(a, angle, length, 0);
    return {{{IDC_PK_FIRST, Text(pkA)}, {IDC_Y_FIRST, Text(a.y)}, {IDC_X_FIRST, Text(a.x)},
             {IDC_PK_SECOND, Text(pkA + sense * (length + Uniform(r, -0.05, 0.05)))},
             {IDC_Y_SECOND, Text(b.y)}, {IDC_X_SECOND, Text(b.x)}},
            [=](std::mt19937& p) { return Along(a, angle, Uniform(p, -0.2, 1.2) * length, Uniform(p, -9, 9)); }};
}

GeneratedElement Circular(std::mt19937& r) {
    const Place centre = {Uniform(r, -9000, 9000), Uniform(r, -9000, 9000)};
    const double radius = Uniform(r, 100, 1500), start = Uniform(r, 0, 2 * std::numbers::pi);
    const double beta = Uniform(r, 0.2, 1.5) * (r() % 2 ? 1 : -1), pk = Uniform(r, 0, 5000);
    const Place first = Along(centre, start, radius, 0), last = Along(centre, start + beta, radius, 0);
    return {{{IDC_PK_FIRST, Text(pk)}, {IDC_Y_FIRST, Text(first.y)}, {IDC_X_FIRST, Text(first.x)},
             {IDC_PK_SECOND, Text(pk + radius * std::abs(beta))}, {IDC_Y_SECOND, Text(last.y)},
             {IDC_X_SECOND, Text(last.x)}, {IDC_Y_CK, Text(centre.y)}, {IDC_X_CK, Text(centre.x)},
             {IDC_R_KK, Text(radius)}, {IDC_Z, Text(Uniform(r, 0, 0.5))}, {IDC_Q, Text(Uniform(r, 0, 0.2))}},
            [=](std::mt19937& p) {
                return Along(centre, start + Uniform(p, -0.2, 1.2) * beta, radius + Uniform(p, -5, 5), 0);
            }};
}

GeneratedElement Spiral(std::mt19937& r) {
    const Place nkk = {Uniform(r, -9000, 9000), Uniform(r, -9000, 9000)};
    const double angle = Uniform(r, 0, 2 * std::numbers::pi), side = r() % 2 ? 1 : -1;
    const double radius = Uniform(r, 200, 1500), length = Uniform(r, 30, 150), pk = Uniform(r, 200, 5000);
    const Place line = Along(nkk, angle, -200, 0), centre = Along(nkk, angle, 0, side * radius);
    return {{{IDC_PK_FIRST, Text(pk - (r() % 2 ? 200 : -200))}, {IDC_Y_FIRST, Text(line.y)},
             {IDC_X_FIRST, Text(line.x)}, {IDC_PK_SECOND, Text(pk)}, {IDC_Y_SECOND, Text(nkk.y)},
             {IDC_X_SECOND, Text(nkk.x)}, {IDC_Y_CK, Text(centre.y)}, {IDC_X_CK, Text(centre.x)},
             {IDC_R_KK, Text(radius)}, {IDC_L_SK, Text(length)}, {IDC_Q, Text(Uniform(r, 0, 0.2))}},
            [=](std::mt19937& p) {
                // About the spiral from NSK (half its length before NKK) to KSK.
                const double l = Uniform(p, -0.2, 1.2) * length;
                const double y = l > 0 ? l * l * l / (6 * radius * length) : 0;
                return Along(nkk, angle, l - length / 2, side * (y + Uniform(p, -3, 3)));
            }};
}

// One point line in one of the forms a field book holds; its name as the report
// gives it.
std::string PointLineText(std::mt19937& r, int number, const std::string& y, const std::string& x,
                          std::string& name) {
    name = r() % 2 ? "P" + std::to_string(number) : std::to_string(1000 + number);
    switch (r() % 5) {
    case 0:
        return name + "  " + y + " " + x;
    case 1:
        return "\t" + name + "\t" + y + "\t" + x + "\t101.35\tRAIL";
    case 2:
        return name + ";" + y + ";;" + x + ";";
    case 3:
        return name + "," + y + "," + x + ",101.35";
    default:
        name = "L" + std::to_string(number);
        return y + " " + x;
    }
}

TEST_F(PointBatch, EveryPointAsItsDialogGivesIt) {
    std::mt19937 random(20240917);
    const struct {
        const PointBatchTrace& batch;
        GeneratedElement (*generate)(std::mt19937&);
    } kinds[] = {{StraightPointBatch, Straight}, {CircularPointBatch, Circular}, {SpiralPointBatch, Spiral}};
    for (const auto& kind : kinds) {
        const Calculator& trace = *kind.batch.trace;
        int outsideSeen = 0;
        for (int element = 0; element < 20; ++element) {
            SCOPED_TRACE(std::string(kind.batch.reportTitle) + ", element " + std::to_string(element));
            const GeneratedElement generated = kind.generate(random);
            store.Reset();
            RunCalculator(trace, store, generated.fields);

            std::string text, expected;
            int traced = 0, outside = 0, skipped = 0;
            for (int number = 1; number <= 30; ++number) {
                if (random() % 8 == 0) { // a blank line, or one that is no point
                    const std::string line = random() % 2 ? " \t" : "P" + std::to_string(number) + " 5,1 6,2";
                    if (line != " \t") expected += "! Line " + std::to_string(number) + " skipped: " + line + "\r\n";
                    skipped += line != " \t";
                    text += line + "\r\n";
                    continue;
                }
                const Place p = generated.pointNear(random);
                const std::string y = Text(p.y), x = Text(p.x);
                std::string name;
                text += PointLineText(random, number, y, x, name) + "\r\n";

                // The same point typed into the trace's dialog over the same element.
                CalculationStore single;
                Typed typed = generated.fields;
                typed[IDC_PZ_NAME] = name;
                typed[IDC_Y_PZ] = y;
                typed[IDC_X_PZ] = x;
                const CalculatorRun run = RunCalculator(trace, single, typed);
                expected += name + "   Ypz=" + y + "   Xpz=" + x;
                if (const std::size_t words = run.report.find("\r\n!Point "); words != std::string::npos) {
                    expected += "   " + run.report.substr(words + 2, run.report.find("\r\n", words + 2) - words - 2);
                    ++outside;
                } else {
                    expected += "   PKpz=" + run.resultFields.at(IDC_PK_PZ) + "   Dpz=" + run.resultFields.at(IDC_D_PZ);
                    ++traced;
                }
                expected += "\r\n";
            }
            expected += "Points: " + std::to_string(traced) + " traced, " + std::to_string(outside) + " outside, " +
                        std::to_string(skipped) + " skipped\r\n";
            outsideSeen += outside;

            const std::string table = TraceAll(kind.batch, store, text);
            ASSERT_GE(table.size(), expected.size());
            EXPECT_EQ(table.substr(table.size() - expected.size()), expected);
            EXPECT_EQ(table.substr(table.size() - expected.size() - 4, 4), "\r\n\r\n");
        }
        // The generated points reach off the curves' stretches too.
        if (&trace != &StraightTraceCalculator) {
            EXPECT_GT(outsideSeen, 20);
        }
    }
}

} // namespace
