#include "route/route_point_trace.h"

#include <functional>

#include "alignment/alignment_trace.h"
#include "elements/point_table.h"
#include "numeric/report_numbers.h"
#include "route/deviation_summary.h"
#include "route/route_heights.h"

namespace {
// The summary of a check: one line for each quantity compared, before the counts.
struct CheckSummary {
    DeviationStatistics d, dH, dh;

    std::string Text(const TraceTolerances& tolerances) const {
        return DeviationSummaryLine("d", d, tolerances.d.has_value()) +
               DeviationSummaryLine("dH", dH, tolerances.dH.has_value()) +
               DeviationSummaryLine("dh", dh, tolerances.dh.has_value());
    }
};
} // namespace

RouteTrace TracePointsOnRoute(const Alignment& line, std::span<const TextLine> lines,
                              const VerticalProfile* profile) {
    const RouteHeights heights(line, profile);
    const ToleranceLines check = ReadToleranceLines(lines);
    RouteTrace trace;
    if (check.given) trace.tolerances = check.tolerances;
    CheckSummary summary;
    bool cantMeasured = false;
    int compared = 0;
    // The end of the summary line with a profile: ", 3 levels compared".
    const auto levelsCompared = [&] {
        if (profile == nullptr) return std::string();
        return ", " + std::to_string(compared) + (compared == 1 ? " level" : " levels") + " compared";
    };
    // A TOL line is passed over where it stands; one that sets nothing is noted.
    std::function<bool(const TextLine&, std::string&)> toleranceLine;
    if (check.given)
        toleranceLine = [](const TextLine& text, std::string& why) {
            if (!IsToleranceLine(text.text)) return false;
            why = ToleranceLineRefusal(text.text);
            return true;
        };
    trace.points.reserve(lines.size());
    trace.report = PointTable(
        lines,
        [&](const PointLine& point, std::string& out) {
            const std::optional<LineTrace> traced = TraceOnAlignment(line, point.y, point.x);
            out += point.name;
            if (!traced) {
                out += "   !Point outside of the line!";
                return false;
            }
            const std::string& element = line.elements[traced->element].name;
            AppendLinearText(out, "   PK=", traced->PK);
            (out += "   d=") += SignedLinearText(traced->d);
            std::optional<double> dH;
            if (heights.Shown() || !point.levelNote.empty()) {
                out += heights.TracedText(traced->PK, point.level, dH, point.levelNote);
                compared += dH ? 1 : 0;
            }
            // The measured cant against the design's: "   hm=…   dh=…" (mm).
            std::optional<double> dh;
            if (point.measuredCant) {
                dh = *point.measuredCant - heights.Cant(traced->PK);
                AppendLinearText(out, "   hm=", *point.measuredCant);
                AppendLinearText(out, "   dh=", *dh);
                cantMeasured = true;
            }
            out += "   " + element;
            const OverTolerance over = OverTolerances(check.tolerances, traced->d, dH, dh);
            over.AppendFlag(out);
            summary.d.Add(point.name, traced->d, over.d);
            if (dH) summary.dH.Add(point.name, *dH, over.dH);
            if (dh) summary.dh.Add(point.name, *dh, over.dh);
            trace.points.push_back(
                {point.name, point.y, point.x, traced->PK, traced->d, element, dH, point.level});
            return true;
        },
        levelsCompared, toleranceLine);
    // The title before the table, in the table's own room.
    trace.report.insert(0, "\r\nTrace of points on the line\r\n");
    // The summary of a check (a TOL line or a measured cant) before the counts: the
    // last line of the table.
    if (check.given || cantMeasured)
        trace.report.insert(trace.report.rfind("Points: "), summary.Text(check.tolerances));
    return trace;
}
