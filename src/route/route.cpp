#include "route/route.h"

#include <cmath>
#include <cstddef>

#include "geometry/circular_curve.h"
#include "geometry/tolerances.h"
#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"
#include "numeric/report_numbers.h"

namespace {
// The straight from one point toward another; pickets play no part in it.
TrackStraight StraightBetween(double Y1, double X1, double Y2, double X2) {
    return MakeTrackStraight(0, Y1, X1, 1, Y2, X2);
}

// The same straight run the other way.
TrackStraight Reversed(const TrackStraight& straight) {
    TrackStraight r = straight;
    r.sinA = -straight.sinA;
    r.cosA = -straight.cosA;
    r.Apk = DirectionAngle(-straight.sinA, -straight.cosA);
    return r;
}

MainPoint At(double PK, PlanePoint point) {
    return {PK, point.Y, point.X};
}

// Checks R and L of an IP and its turn; fills the curve's elements and main points
// but its pickets. Returns the refusal, empty when the curve can be built.
std::string BuildCurve(const TableIp& ip, const TrackStraight& in, const TrackStraight& out, RouteCurve& c) {
    const double R = ip.R, L = ip.L;
    if (!std::isfinite(R) || !std::isfinite(L)) return "R or L of " + ip.name + " is not a finite number";
    if (!(R > 0)) return "the radius of " + ip.name + " is not above 0";
    if (L < 0) return "the spiral length of " + ip.name + " is below 0";
    if (!std::isfinite(ip.h)) return "the cant of " + ip.name + " is not a finite number";
    if (ip.h < 0) return "the cant of " + ip.name + " is below 0";
    if (ip.h > 0 && L == 0)
        return ip.name + " has a cant of " + LinearText(ip.h) + " but no transition to ramp it";
    const double turn = ReduceToHalfTurn(out.Apk - in.Apk);
    c.Theta = AbsValue(turn);
    c.sigma = SignOf(turn);
    if (c.Theta < LeastTurn) return ip.name + " has no turn";
    if (c.Theta >= PiTimes(179) / 180) return ip.name + " turns 179 degrees or more";
    if (L > R * c.Theta) return "the spirals of " + ip.name + " overlap (L is more than R times Theta)";

    c.name = ip.name;
    c.R = R, c.L = L, c.h = ip.h;
    c.in = in, c.out = out;
    c.T0 = R * std::tan(c.Theta / 2);
    c.C = R * L;
    const bool spirals = L > 0;
    c.a = spirals ? SpiralTermA(L, c.C) : 0;
    c.Z = spirals ? SpiralTermZ(L, c.C) : 0;
    // A spiral so short that the powers of its parameter underflow gives series of
    // 0/0, which would carry NaN into every picket after it.
    if (!std::isfinite(c.a) || !std::isfinite(c.Z))
        return "the spirals of " + ip.name + " are too short to compute";
    c.T = c.T0 + c.a;
    c.K = R * c.Theta + 2 * c.a;
    c.D = 2 * c.T - c.K;
    c.B = R / std::cos(c.Theta / 2) - (R - c.Z);

    const PlanePoint NKK = StepOff(in, ip.Y, ip.X, -c.T0, 0);
    const PlanePoint KKK = StepOff(out, ip.Y, ip.X, c.T0, 0);
    const PlanePoint centre = StepOff(in, NKK.Y, NKK.X, 0, c.sigma * R);
    c.Y_ck = centre.Y, c.X_ck = centre.X;
    c.NKK = At(0, NKK), c.KKK = At(0, KKK);
    // Each spiral in its own frame: from NSK along its straight toward the IP, and
    // across toward the centre, as the spiral calculator places its points.
    const double Xk = spirals ? ClothoidX(L, c.C) : 0, Yk = spirals ? ClothoidY(L, c.C) : 0;
    const TrackStraight back = Reversed(out);
    c.NSK1 = At(0, StepOff(in, NKK.Y, NKK.X, -c.a, 0));
    c.KSK1 = spirals ? At(0, StepOff(in, NKK.Y, NKK.X, Xk - c.a, c.sigma * Yk)) : c.NKK;
    c.NSK2 = At(0, StepOff(back, KKK.Y, KKK.X, -c.a, 0));
    c.KSK2 = spirals ? At(0, StepOff(back, KKK.Y, KKK.X, Xk - c.a, -c.sigma * Yk)) : c.KKK;
    // SK: on the radius toward the IP, on the track's circle.
    const double dY = ip.Y - c.Y_ck, dX = ip.X - c.X_ck;
    const double toIp = PlaneDistance(dY, dX), track = R - c.Z;
    c.SK = {0, c.Y_ck + track * (dY / toIp), c.X_ck + track * (dX / toIp)};
    return {};
}

// The pickets of a curve's main points from the picket of its IP.
void SetPickets(RouteCurve& c, double PK_ip) {
    const bool spirals = c.L > 0;
    const double spiralPickets = spirals ? SpiralPicketLength(c.L, c.C) : 0;
    c.IP.PK = PK_ip;
    c.NKK.PK = PK_ip - c.T0;
    c.KKK.PK = c.NKK.PK + c.R * c.Theta;
    c.NSK1.PK = c.NKK.PK - c.a;
    c.NSK2.PK = c.KKK.PK + c.a;
    c.SK.PK = c.NKK.PK + c.R * (c.Theta / 2);
    c.KSK1.PK = c.NSK1.PK + spiralPickets;
    c.KSK2.PK = c.NSK2.PK - spiralPickets;
}

std::string PointName(const IpTable& table, std::size_t i) {
    if (i == 0) return "START";
    if (i > table.ips.size()) return "END";
    return table.ips[i - 1].name;
}
} // namespace

RouteBuild BuildRoute(const IpTable& table) {
    RouteBuild build;
    Route& line = build.line;
    const std::size_t n = table.ips.size();
    // The points in line order: START, the IPs, END.
    std::vector<PlanePoint> points;
    points.reserve(n + 2);
    points.push_back({table.Y_start, table.X_start});
    for (const TableIp& ip : table.ips)
        points.push_back({ip.Y, ip.X});
    points.push_back({table.Y_end, table.X_end});

    std::vector<TrackStraight> legs;
    legs.reserve(n + 1);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        legs.push_back(StraightBetween(points[i].Y, points[i].X, points[i + 1].Y, points[i + 1].X));
        if (!(legs.back().Lpk > 0)) {
            build.refusal = PointName(table, i) + " and " + PointName(table, i + 1) + " coincide";
            return build;
        }
        // Coordinates so far apart that the square of their distance overflows.
        if (!std::isfinite(legs.back().Lpk)) {
            build.refusal =
                PointName(table, i) + " and " + PointName(table, i + 1) + " lie too far apart to compute";
            return build;
        }
    }
    line.curves.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        build.refusal = BuildCurve(table.ips[i], legs[i], legs[i + 1], line.curves[i]);
        if (!build.refusal.empty()) return build;
    }
    // The curves must leave each straight a length of its own, however short.
    for (std::size_t i = 0; i <= n; ++i) {
        const double before = i == 0 ? 0 : line.curves[i - 1].T;
        const double after = i == n ? 0 : line.curves[i].T;
        if (!(before + after > legs[i].Lpk)) continue;
        if (i == 0)
            build.refusal = "START lies inside the curve of " + line.curves[0].name;
        else if (i == n)
            build.refusal = "END lies inside the curve of " + line.curves[n - 1].name;
        else
            build.refusal = "the curves of " + line.curves[i - 1].name + " and " + line.curves[i].name +
                            " overlap by " + LinearText(before + after - legs[i].Lpk) + " on their straight";
        return build;
    }
    // Pickets run along the line: each IP's is the previous one's plus the leg,
    // less the previous curve's domer.
    line.start = {table.PK_start, table.Y_start, table.X_start};
    double PK = table.PK_start + legs[0].Lpk;
    for (std::size_t i = 0; i < n; ++i) {
        line.curves[i].IP = {0, table.ips[i].Y, table.ips[i].X};
        SetPickets(line.curves[i], PK);
        PK = PK + legs[i + 1].Lpk - line.curves[i].D;
    }
    line.end = {PK, table.Y_end, table.X_end};
    return build;
}

std::array<std::pair<const char*, const MainPoint*>, 5> MainPointsOf(const RouteCurve& c) {
    return {{{"NSK1", &c.NSK1}, {"KSK1", &c.KSK1}, {"SK", &c.SK}, {"KSK2", &c.KSK2}, {"NSK2", &c.NSK2}}};
}
