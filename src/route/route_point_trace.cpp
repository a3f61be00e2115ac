#include "route/route_point_trace.h"

#include "alignment/alignment_trace.h"
#include "elements/point_table.h"
#include "numeric/report_numbers.h"
#include "route/route_heights.h"

namespace {
// A linear value as the line's reports write it: a value that reads as zero without
// a minus sign.
std::string SignedLinearText(double value) {
    std::string text = LinearText(value);
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}
} // namespace

RouteTrace TracePointsOnRoute(const Alignment& line, std::span<const TextLine> lines,
                              const VerticalProfile* profile) {
    const RouteHeights heights(line, profile);
    RouteTrace trace;
    int compared = 0;
    // The end of the summary line with a profile: ", 3 levels compared".
    const auto levelsCompared = [&] {
        if (profile == nullptr) return std::string();
        return ", " + std::to_string(compared) + (compared == 1 ? " level" : " levels") + " compared";
    };
    trace.report = "\r\nTrace of points on the line\r\n";
    trace.report += PointTable(
        lines,
        [&](const PointLine& point, std::string& out) {
            const std::optional<LineTrace> traced = TraceOnAlignment(line, point.y, point.x);
            out += point.name;
            if (!traced) {
                out += "   !Point outside of the line!";
                return false;
            }
            const std::string& element = line.elements[traced->element].name;
            out += "   PK=" + LinearText(traced->PK) + "   d=" + SignedLinearText(traced->d);
            std::optional<double> dH;
            if (heights.Shown() || !point.levelNote.empty()) {
                out += heights.TracedText(traced->PK, point.level, dH, point.levelNote);
                compared += dH ? 1 : 0;
            }
            out += "   " + element;
            trace.points.push_back({point.name, point.y, point.x, traced->PK, traced->d, element, dH});
            return true;
        },
        levelsCompared);
    return trace;
}
