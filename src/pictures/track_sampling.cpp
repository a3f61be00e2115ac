#include "pictures/track_sampling.h"

#include <algorithm>
#include <cmath>

#include "geometry/circular_curve.h"
#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"

namespace {
using K = RouteElementKind;

GroundPoint Of(const MainPoint& p) {
    return {p.Y, p.X};
}

// The number of chords of at most `step` that cover `length` (at least one).
std::size_t ChordsFor(double length, double step) {
    if (!(step > 0) || !std::isfinite(length / step)) return MostChordsPerElement;
    const double n = std::ceil(length / step);
    return static_cast<std::size_t>(std::clamp(n, 1.0, static_cast<double>(MostChordsPerElement)));
}

// A chord of length s on a curve whose curvature is at most 1/R departs from it by
// at most s^2 / (8R): the arc length of the chords that keep within tolerance.
double ArcStep(double R, double tolerance) {
    return std::sqrt(8 * R * tolerance);
}

// The arc length from a spiral's start whose picket length (the spiral's count) is
// Lpk: the picket length exceeds the arc length by a term in l^5, which each pass
// takes off again; the passes shrink the error by that term's share of the slope
// (below a half on any spiral a route accepts), so the bound is never reached.
constexpr int MostArcPasses = 200;
constexpr double ArcTolerance = 1e-9;

double ArcOfPicketLength(double Lpk, double C) {
    double l = Lpk;
    for (int pass = 0; pass < MostArcPasses; ++pass) {
        const double next = l - (SpiralPicketLength(l, C) - Lpk);
        const bool settled = !(std::abs(next - l) > ArcTolerance);
        l = next;
        if (settled) break;
    }
    return l;
}

TrackPiece SpiralPiece(const RouteCurve& c, std::size_t curve, bool entry, double tolerance) {
    TrackPiece piece{entry ? K::SpiralIn : K::SpiralOut, curve, {}};
    const std::size_t n = ChordsFor(c.L, ArcStep(c.R, tolerance));
    piece.points.reserve(n + 1);
    for (std::size_t i = 0; i <= n; ++i) {
        const double l = i == n ? c.L : c.L * static_cast<double>(i) / static_cast<double>(n);
        piece.points.push_back(entry ? EntrySpiralPoint(c, l) : ExitSpiralPoint(c, l));
    }
    if (!entry) std::reverse(piece.points.begin(), piece.points.end());
    return piece;
}

TrackPiece CirclePiece(const RouteCurve& c, std::size_t curve, double tolerance) {
    TrackPiece piece{K::Circle, curve, {}};
    const double r = c.R - c.Z, sweep = TrackCircleSweep(c);
    const std::size_t n = ChordsFor(r * sweep, ArcStep(r, tolerance));
    piece.points.reserve(n + 1);
    piece.points.push_back(Of(c.KSK1));
    for (std::size_t i = 1; i < n; ++i)
        piece.points.push_back(TrackCirclePoint(c, sweep * static_cast<double>(i) / static_cast<double>(n)));
    piece.points.push_back(Of(c.KSK2));
    return piece;
}

// The exit spiral's straight run back from the IP's next point toward the curve.
TrackStraight Backward(const TrackStraight& out) {
    TrackStraight back = out;
    back.sinA = -out.sinA, back.cosA = -out.cosA;
    return back;
}

GroundPoint StraightPoint(const TrackStraight& leg, const MainPoint& from, double PK) {
    const PlanePoint p = StepOff(leg, from.Y, from.X, PK - from.PK, 0);
    return {p.Y, p.X};
}
} // namespace

GroundPoint EntrySpiralPoint(const RouteCurve& c, double l) {
    const PlanePoint p = StepOff(c.in, c.NKK.Y, c.NKK.X, ClothoidX(l, c.C) - c.a, c.sigma * ClothoidY(l, c.C));
    return {p.Y, p.X};
}

GroundPoint ExitSpiralPoint(const RouteCurve& c, double l) {
    const PlanePoint p =
        StepOff(Backward(c.out), c.KKK.Y, c.KKK.X, ClothoidX(l, c.C) - c.a, -c.sigma * ClothoidY(l, c.C));
    return {p.Y, p.X};
}

double TrackCircleSweep(const RouteCurve& c) {
    const double from = DirectionAngle(c.KSK1.Y - c.Y_ck, c.KSK1.X - c.X_ck);
    const double to = DirectionAngle(c.KSK2.Y - c.Y_ck, c.KSK2.X - c.X_ck);
    return c.sigma * ReduceToHalfTurn(to - from);
}

GroundPoint TrackCirclePoint(const RouteCurve& c, double swept) {
    const double angle = DirectionAngle(c.KSK1.Y - c.Y_ck, c.KSK1.X - c.X_ck) + c.sigma * swept;
    const double r = c.R - c.Z;
    return {c.Y_ck + r * std::sin(angle), c.X_ck + r * std::cos(angle)};
}

std::vector<TrackPiece> SampleRoute(const Route& line, double tolerance) {
    std::vector<TrackPiece> pieces;
    const std::size_t n = line.curves.size();
    GroundPoint from = Of(line.start);
    for (std::size_t i = 0; i <= n; ++i) {
        const GroundPoint to = i == n ? Of(line.end) : Of(line.curves[i].NSK1);
        pieces.push_back({K::Straight, i, {from, to}});
        if (i == n) break;
        const RouteCurve& c = line.curves[i];
        if (c.L > 0) pieces.push_back(SpiralPiece(c, i, true, tolerance));
        pieces.push_back(CirclePiece(c, i, tolerance));
        if (c.L > 0) pieces.push_back(SpiralPiece(c, i, false, tolerance));
        from = Of(c.NSK2);
    }
    return pieces;
}

GroundPoint RoutePointAtPicket(const Route& line, double PK) {
    const std::size_t n = line.curves.size();
    if (n == 0) return StraightPoint(MakeTrackStraight(0, line.start.Y, line.start.X, 1, line.end.Y, line.end.X),
                                     line.start, PK);
    // The first curve whose exit spiral ends at or beyond PK; past the last, the
    // straight to END.
    const auto after = std::lower_bound(line.curves.begin(), line.curves.end(), PK,
                                        [](const RouteCurve& c, double pk) { return c.NSK2.PK < pk; });
    if (after == line.curves.end()) return StraightPoint(line.curves[n - 1].out, line.curves[n - 1].NSK2, PK);
    const RouteCurve& c = *after;
    if (PK <= c.NSK1.PK)
        return StraightPoint(c.in, after == line.curves.begin() ? line.start : (after - 1)->NSK2, PK);
    if (PK <= c.KSK1.PK && c.L > 0) return EntrySpiralPoint(c, ArcOfPicketLength(PK - c.NSK1.PK, c.C));
    if (PK >= c.KSK2.PK && c.L > 0) return ExitSpiralPoint(c, ArcOfPicketLength(c.NSK2.PK - PK, c.C));
    // The circle's pickets spread evenly from KSK1 to KSK2, so that the ticks run on
    // without a step where the spirals' count meets the circle's.
    const double share = c.KSK2.PK > c.KSK1.PK ? (PK - c.KSK1.PK) / (c.KSK2.PK - c.KSK1.PK) : 0;
    return TrackCirclePoint(c, share * TrackCircleSweep(c));
}
