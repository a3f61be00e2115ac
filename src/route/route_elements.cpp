#include "route/route_elements.h"

#include "numeric/report_numbers.h"

std::optional<Route> TheStoredRoute;

namespace {
constexpr const char* Title = "\r\nElements of the line\r\n";

// "   PK=…   Y=…   X=…"
std::string PointFigures(const MainPoint& p) {
    return "   PK=" + LinearText(p.PK) + "   Y=" + LinearText(p.Y) + "   X=" + LinearText(p.X);
}

std::string CurveLines(const RouteCurve& c) {
    std::string lines = c.name + PointFigures(c.IP) + (c.sigma < 0 ? "   !Left!" : "   !Right!") +
                        "   Theta=" + AngleText(c.Theta) + "\r\n";
    lines += "   R=" + LinearText(c.R) + "   L=" + LinearText(c.L) + "   C=" + LinearText(c.C) +
             "   (Z)=" + LinearText(c.Z) + "   a=" + LinearText(c.a) + "   R-(Z)=" + LinearText(c.R - c.Z);
    // The cant and its ramp along each spiral, in millimetres per unit of length.
    if (c.h > 0) lines += "   h=" + LinearText(c.h) + "   ramp=" + LinearText(c.h / c.L);
    lines += "\r\n";
    lines += "   T=" + LinearText(c.T) + "   K=" + LinearText(c.K) + "   D=" + LinearText(c.D) +
             "   B=" + LinearText(c.B) + "\r\n";
    const std::pair<const char*, const MainPoint*> mainPoints[] = {
        {"NSK1", &c.NSK1}, {"KSK1", &c.KSK1}, {"SK", &c.SK}, {"KSK2", &c.KSK2}, {"NSK2", &c.NSK2}};
    for (const auto& [name, point] : mainPoints)
        lines += std::string("   ") + name + PointFigures(*point) + "\r\n";
    return lines;
}
} // namespace

RouteElements ReadRouteElements(std::span<const TextLine> lines) {
    RouteElements result;
    result.report = Title;
    const IpTableReading reading = ReadIpTable(lines);
    RouteBuild build;
    if (reading.refusal.empty()) build = BuildRoute(reading.table);
    const std::string& refusal = reading.refusal.empty() ? build.refusal : reading.refusal;
    if (!refusal.empty()) {
        result.report += "!Line not read: " + refusal + "!\r\n";
        return result;
    }
    const Route& line = build.line;
    result.report += reading.skippedNotes;
    result.report += "START" + PointFigures(line.start) + "\r\n";
    for (const RouteCurve& curve : line.curves)
        result.report += CurveLines(curve);
    result.report += "END" + PointFigures(line.end) + "\r\n";
    result.report += "Length=" + LinearText(line.end.PK - line.start.PK) + "\r\n";
    result.line = std::move(build.line);
    return result;
}
