#include "route/ip_line.h"

#include "alignment/alignment_index.h"
#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"
#include "numeric/report_numbers.h"
#include "route/ip_line_kernels.h"

namespace {
using Kind = AlignmentElementKind;

PlanePoint Of(const MainPoint& p) {
    return {p.Y, p.X};
}

// "straight START-VU1"
std::string StraightName(const Route& route, std::size_t curve) {
    const std::size_t n = route.curves.size();
    return "straight " + (curve == 0 ? std::string("START") : route.curves[curve - 1].name) + "-" +
           (curve == n ? std::string("END") : route.curves[curve].name);
}

void AddStraight(const Route& route, std::size_t curve, Alignment& line) {
    const std::size_t n = route.curves.size();
    const MainPoint from = curve == 0 ? route.start : route.curves[curve - 1].NSK2;
    const MainPoint to = curve == n ? route.end : route.curves[curve].NSK1;
    const TrackStraight leg = MakeTrackStraight(0, from.Y, from.X, 1, to.Y, to.X);
    line.elements.push_back({.kind = Kind::Straight,
                             .name = StraightName(route, curve),
                             .bandName = "straight",
                             .curveName = "",
                             .PK = from.PK,
                             .Y = from.Y,
                             .X = from.X,
                             .A = leg.Apk,
                             .L = PlaneDistance(to.Y - from.Y, to.X - from.X),
                             .k1 = 0,
                             .k2 = 0,
                             .PKend = to.PK,
                             .clamps = false,
                             .internal = from.PK,
                             .drawFrom = from.PK,
                             .drawTo = to.PK,
                             .kernel = IpStraightKernel(route, curve)});
}

void AddCurve(const Route& route, std::size_t curve, Alignment& line) {
    const RouteCurve& c = route.curves[curve];
    const IpCurveKernels kernels = MakeIpCurveKernels(route, curve);
    // The spirals turn through L / (2R); the track circle has the radius R - (Z).
    const double k = c.sigma / c.R, spiralTurn = c.sigma * ClothoidAngle(c.L, c.C);
    const double circleK = c.sigma / (c.R - c.Z);
    // Each element sets out and is drawn over its own stations but the circle, which
    // sets out from PK_NKK + L/2 to PK_KKK - L/2 and is drawn from KSK1 to KSK2.
    const auto element = [&](Kind kind, std::string name, std::string band, const MainPoint& from,
                             const MainPoint& to, double A, double L, double k1, double k2,
                             std::shared_ptr<const ElementKernel> kernel) {
        const bool circle = kind == Kind::Arc;
        const double PK = circle ? c.NKK.PK + c.L / 2 : from.PK, PKend = circle ? c.KKK.PK - c.L / 2 : to.PK;
        line.elements.push_back({.kind = kind,
                                 .name = std::move(name),
                                 .bandName = std::move(band),
                                 .curveName = c.name,
                                 .PK = PK,
                                 .Y = from.Y,
                                 .X = from.X,
                                 .A = A,
                                 .L = L,
                                 .k1 = k1,
                                 .k2 = k2,
                                 .PKend = PKend,
                                 .clamps = circle,
                                 .internal = PK,
                                 .drawFrom = from.PK,
                                 .drawTo = to.PK,
                                 .kernel = std::move(kernel)});
    };
    if (kernels.entry)
        element(Kind::Spiral, "spiral in " + c.name, "spiral " + c.name, c.NSK1, c.KSK1, c.in.Apk, c.L, 0, k,
                kernels.entry);
    element(Kind::Arc, "circle " + c.name, "circle " + c.name, c.KSK1, c.KSK2,
            c.L > 0 ? c.in.Apk + spiralTurn : c.in.Apk, c.KSK2.PK - c.KSK1.PK, circleK, circleK, kernels.circle);
    if (kernels.exit)
        element(Kind::Spiral, "spiral out " + c.name, "spiral " + c.name, c.KSK2, c.NSK2, c.out.Apk - spiralTurn,
                c.L, k, 0, kernels.exit);
}

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
    for (const auto& [name, point] : MainPointsOf(c))
        lines += std::string("   ") + name + PointFigures(*point) + "\r\n";
    return lines;
}
} // namespace

Alignment BuildIpLine(const Route& route) {
    Alignment line;
    const std::size_t n = route.curves.size();
    line.description = "START";
    for (const RouteCurve& c : route.curves)
        line.description += "-" + c.name;
    line.description += "-END";
    // The directions at the ends: START toward the first IP, the last IP toward END.
    const TrackStraight first =
        n == 0 ? MakeTrackStraight(0, route.start.Y, route.start.X, 1, route.end.Y, route.end.X) : route.curves[0].in;
    const TrackStraight last = n == 0 ? first : route.curves[n - 1].out;
    line.start = {route.start.PK, route.start.Y, route.start.X, first.sinA, first.cosA};
    line.end = {route.end.PK, route.end.Y, route.end.X, last.sinA, last.cosA};

    line.marks.push_back({MarkKind::End, "START", Of(route.start), route.start.PK});
    line.tangentPolygon.push_back(Of(route.start));
    std::vector<CantRow> cant;
    for (std::size_t i = 0; i <= n; ++i) {
        AddStraight(route, i, line);
        if (i == n) break;
        AddCurve(route, i, line);
        const RouteCurve& c = route.curves[i];
        line.marks.push_back({MarkKind::Ip, c.name, Of(c.IP), c.IP.PK});
        for (const auto& [name, point] : MainPointsOf(c))
            line.marks.push_back({MarkKind::MainPoint, name, Of(*point), point->PK});
        line.tangentPolygon.push_back(Of(c.IP));
        if (c.h > 0)
            for (const CantRow row : {CantRow{c.NSK1.PK, 0, 0}, CantRow{c.KSK1.PK, c.h, 0}, CantRow{c.KSK2.PK, c.h, 0},
                                      CantRow{c.NSK2.PK, 0, 0}})
                cant.push_back(row);
    }
    line.marks.push_back({MarkKind::End, "END", Of(route.end), route.end.PK});
    line.tangentPolygon.push_back(Of(route.end));
    SetCantRows(line, std::move(cant));
    IndexAlignment(line);
    return line;
}

std::string IpLineReport(const Route& route) {
    std::string report = "START" + PointFigures(route.start) + "\r\n";
    for (const RouteCurve& curve : route.curves)
        report += CurveLines(curve);
    report += "END" + PointFigures(route.end) + "\r\n";
    report += "Length=" + LinearText(route.end.PK - route.start.PK) + "\r\n";
    return report;
}
