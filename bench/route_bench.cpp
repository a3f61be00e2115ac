// The whole line: an IP table of 1,000 IPs read, built and reported as "Elements of
// the selected line" does it; a profile of 10,000 PVIs read and reported; on a line
// of 100 IPs, a run of 10,000 pickets set out in one CALC and the 10,000 points so
// set out traced on the line, without and with levels and a profile; the same trace
// on lines of 1,000 and 4,000 IPs and on an element table of 4,000 elements, whose
// cost should not grow with the line; in the Windows build also the whole trace
// command on a real text field. Prints the median time of
// several runs of each (everything but the append, natively); checks only that
// every point was set out and traced.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "median_time.h"
#include "menu/route_set_out_calculator.h"
#include "numeric/precision_settings.h"
#include "bench_element_table.h"
#include "bench_ip_table.h"
#include "route/line_session.h"
#include "route/route_elements.h"
#include "route/route_point_trace.h"
#include "route/route_profile.h"
#include "text/selected_lines.h"

#ifdef _WIN32
#include <windows.h>

#include "app/menu_command_runner.h"
#include "bench_editor.h"
#include "resource_ids.h"
#endif

namespace {

constexpr int Runs = 5;
constexpr int Points = 10000;

// A profile from PK 12000 (the routes' START) over `length`: PVIs evenly spaced,
// grades of 10 and -5 thousandths by turns, every break on a vertical curve of
// 5,000 m (a tangent of 37.5 m).
std::string ProfileText(int pvis, double length) {
    const double spacing = length / (pvis + 1);
    std::string text = "PSTART 12000.000 250.000\r\n";
    char line[160];
    double H = 250;
    for (int i = 1; i <= pvis + 1; ++i) {
        H += (i % 2 == 1 ? 0.010 : -0.005) * spacing;
        if (i <= pvis)
            std::snprintf(line, sizeof line, "PVI VP%d %.3f %.3f 5000\r\n", i, 12000 + i * spacing, H);
        else
            std::snprintf(line, sizeof line, "PEND %.3f %.3f\r\n", 12000 + length, H);
        text += line;
    }
    return text;
}

std::vector<TextLine> AllLines(const std::string& text) {
    return SelectedLines(text, 0, text.size());
}

// A run of Points pickets over the whole line, 2.5 m either side by turns, as one
// CALC of the dialog computes it; the points' lines of its report.
std::string SetOutRun(double offset) {
    CalculationStore store;
    store.Name(StoredName::PZ) = std::string("P");
    // A centimetre inside either end, so that no point exported to the millimetre
    // falls a hair before START or beyond END.
    const Alignment& line = *TheLineSession().Line();
    const double first = line.start.PK + 0.01, last = line.end.PK - 0.01;
    store[StoredValue::PK_so] = first;
    store[StoredValue::PK_to] = last;
    store[StoredValue::step] = (last - first) / (Points - 1);
    store[StoredValue::d_so] = offset;
    return RouteSetOutCalculator.compute(store).resultPieces.back();
}

// The points of a set-out report as an instrument would export them: name, Y, X.
std::string SurveyText(const std::string& report) {
    std::string text;
    char name[32];
    double Y = 0, X = 0;
    for (std::size_t at = 2, end; (end = report.find("\r\n", at)) != std::string::npos; at = end + 2) {
        if (std::sscanf(report.c_str() + at, "%31s PK=%*s d=%*s Y=%lf X=%lf", name, &Y, &X) != 3) continue;
        char line[128];
        std::snprintf(line, sizeof line, "%s\t%.4f\t%.4f\r\n", name, Y, X);
        text += line;
    }
    return text;
}

bool AllTraced(const std::string& report, int points) {
    const std::string counts = "Points: " + std::to_string(points) + " traced, 0 outside, 0 skipped\r\n";
    const bool ok = report.ends_with(counts);
    if (!ok)
        std::printf("CHECK FAILED: every point traced; the report ends: %s\n",
                    report.substr(report.size() - 200).c_str());
    return ok;
}

const Alignment& Line() {
    return *TheLineSession().Line();
}

// The table read as the line, a run of Points pickets set out on it and traced back.
bool TimeTraceOn(const std::string& table, const std::string& what) {
    const RouteElements read = ReadRouteElements(AllLines(table));
    if (!read.line) {
        std::printf("CHECK FAILED: %s was not read: %s\n", what.c_str(), read.report.c_str());
        return false;
    }
    TheLineSession().SetLine(*read.line);
    const std::string survey = SurveyText(SetOutRun(2.5));
    std::string report;
    const double ms = MedianMilliseconds(Runs, [&] { report = TracePointsOnRoute(Line(), AllLines(survey)).report; });
    std::printf("Trace of %d selected points on %s: median %.1f ms\n", Points, what.c_str(), ms);
    return AllTraced(report, Points);
}

#ifdef _WIN32
// The whole command on a text field made as the program makes its own, the points
// selected; the report appended is taken away again after each run.
bool TimeWholeCommand(const std::string& survey) {
    HWND editor = MakeEditor("line trace");
    SetWindowTextA(editor, survey.c_str());
    Pump();
    bool ok = true;
    const double ms = MedianMilliseconds(Runs, [&] {
        SendMessageA(editor, EM_SETSEL, 0, survey.size());
        RunMenuCommand(editor, editor, CMD_LINE_TRACE_POINTS);
        UpdateWindow(editor);
        const int length = GetWindowTextLengthA(editor);
        std::string all(static_cast<std::size_t>(length) + 1, '\0');
        GetWindowTextA(editor, all.data(), length + 1);
        all.resize(static_cast<std::size_t>(length));
        ok = AllTraced(all, Points) && ok;
        SendMessageA(editor, EM_SETSEL, survey.size(), -1);
        SendMessageA(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
        Pump();
    });
    std::printf("Trace selected points on the line, the whole command on a text field: median %.0f ms\n", ms);
    DestroyWindow(GetParent(editor));
    return ok;
}
#endif

} // namespace

int main() {
    LinearDecimals = DefaultLinearDecimals;
    AngleDecimals = DefaultAngleDecimals;
    bool ok = true;

    const std::string table = IpTableText(1000);
    std::size_t reportBytes = 0;
    double ms = MedianMilliseconds(Runs, [&] {
        const RouteElements elements = ReadRouteElements(AllLines(table));
        reportBytes = elements.report.size();
        ok = ok && elements.line.has_value();
    });
    std::printf("Elements of a line of 1000 IPs (read, built, reported): median %.1f ms; report %zu bytes\n",
                ms, reportBytes);

    const std::string profile = ProfileText(10000, 1e6);
    ms = MedianMilliseconds(Runs, [&] {
        const RouteProfile read = ReadRouteProfile(AllLines(profile));
        reportBytes = read.report.size();
        ok = ok && read.profile.has_value();
    });
    std::printf("Profile of 10000 PVIs (read, built, reported): median %.1f ms; report %zu bytes\n", ms,
                reportBytes);

    const std::string line100 = IpTableText(100);
    TheLineSession().SetLine(*ReadRouteElements(AllLines(line100)).line);
    std::string points;
    ms = MedianMilliseconds(Runs, [&] { points = SetOutRun(2.5); });
    const std::string survey = SurveyText(points);
    const int setOut = static_cast<int>(std::count(survey.begin(), survey.end(), '\n'));
    std::printf(
        "Set out on a line of 100 IPs, a run of %d pickets in one CALC: median %.1f ms (%d set out)\n",
        Points, ms, setOut);
    ok = ok && setOut == Points;

    std::string report;
    ms = MedianMilliseconds(Runs, [&] { report = TracePointsOnRoute(Line(), AllLines(survey)).report; });
    std::printf("Trace of %d selected points on a line of 100 IPs: median %.1f ms\n", Points, ms);
    ok = AllTraced(report, Points) && ok;

    // The same points with a level each, traced with a profile of 100 PVIs over the line.
    std::string levelled;
    for (std::size_t at = 0, end; (end = survey.find("\r\n", at)) != std::string::npos; at = end + 2)
        levelled += survey.substr(at, end - at) + "\t251.250\r\n";
    const double length = Line().end.PK - Line().start.PK;
    const std::optional<VerticalProfile> profile100 =
        ReadRouteProfile(AllLines(ProfileText(100, length))).profile;
    ok = ok && profile100.has_value();
    const double without = ms;
    // The levelled points without a profile: the reading of the level fields alone.
    ms = MedianMilliseconds(Runs, [&] { report = TracePointsOnRoute(Line(), AllLines(levelled)).report; });
    std::printf("The same points with levels, no profile read: median %.1f ms (%+.1f %%)\n", ms,
                100 * (ms - without) / without);
    ms = MedianMilliseconds(
        Runs, [&] { report = TracePointsOnRoute(Line(), AllLines(levelled), &*profile100).report; });
    // Hd and dH are two more numbers written on each point's line: most of the cost.
    std::printf(
        "The same trace with levels and a profile of 100 PVIs: median %.1f ms (%+.1f %%); report %zu bytes\n",
        ms, 100 * (ms - without) / without, report.size());
    ok = report.ends_with(", " + std::to_string(Points) + " levels compared\r\n") && ok;
    // The check of track: the same levelled points, each with a measured cant, and a
    // TOL line; against the same trace without them.
    std::string checked = "TOL d=0.02 dH=0.01 dh=3\r\n";
    for (std::size_t at = 0, end; (end = levelled.find("\r\n", at)) != std::string::npos; at = end + 2)
        checked += levelled.substr(at, end - at) + "\t4.5\r\n";
    // Measured by turns, each turn's ratio taken: the figure the check's cost is held to.
    std::string checkedReport;
    const PairedMilliseconds pair = MedianPairedMilliseconds(
        9 * Runs, [&] { report = TracePointsOnRoute(Line(), AllLines(levelled), &*profile100).report; },
        [&] { checkedReport = TracePointsOnRoute(Line(), AllLines(checked), &*profile100).report; });
    report = checkedReport;
    std::printf("Trace of %d selected points with tolerances and measured cant: median %.1f ms (%+.1f %% on the "
                "same trace without them, the median of %d turns)\n",
                Points, pair.second, 100 * (pair.ratio - 1), 9 * Runs);
    ok = report.find("\r\ndh: n=" + std::to_string(Points) + " ") != std::string::npos && ok;
#ifdef _WIN32
    ok = TimeWholeCommand(survey) && ok;
#endif
    // Longer lines: the trace looks the elements near each point up in the line's
    // index, so its cost stays that of the short line.
    for (int ips : {1000, 4000})
        ok = TimeTraceOn(IpTableText(ips), "a line of " + std::to_string(ips) + " IPs") && ok;
    ok = TimeTraceOn(ElementTableText(4000), "an element table of 4000 elements") && ok;
    return ok ? 0 : 1;
}
