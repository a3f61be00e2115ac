#include "route/route_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry/circular_curve.h"
#include "geometry/spiral_foot_point.h"
#include "geometry/tolerances.h"
#include "numeric/arithmetic.h"

namespace {
using K = RouteElementKind;

// The angle of a point at direction angle `angle` from the centre, from the radius
// at angle `from`, in the sense sigma: in [0, sweep] on the arc.
double SweptAngle(const RouteCurve& c, double angle, double from) {
    return c.sigma * ReduceToHalfTurn(angle - from);
}

// Cheap tests that tell a point off a stretch before the exact test, which takes an
// arc tangent or a tangent; they never turn away a point the exact test would hold.
// Each allows far more than the rounding of either test: 2e-9 (twice the exact
// test's widening) plus 1e-12 of the coordinates' differences.
double Slack(double dY, double dX) {
    return 2 * LengthTolerance + 1e-12 * (AbsValue(dY) + AbsValue(dX));
}

} // namespace

RouteLayout::RouteLayout(const Route& line) : route_(line) {
    const std::size_t n = line.curves.size();
    double PK = line.start.PK;
    for (std::size_t i = 0; i <= n; ++i) {
        const double straightEnd = i == n ? line.end.PK : line.curves[i].NSK1.PK;
        elements_.push_back({K::Straight, i});
        ranges_.push_back({PK, straightEnd});
        straights_.push_back(RouteStraight(line, i));
        legs_.push_back(StraightLeg(i));
        if (i == n) break;
        const RouteCurve& c = line.curves[i];
        circles_.push_back(RouteCircle(line, i));
        const auto radius = [&](const MainPoint& p) {
            const double dY = p.Y - c.Y_ck, dX = p.X - c.X_ck, r = PlaneDistance(dY, dX);
            return Radius{DirectionAngle(dY, dX), dY / r, dX / r};
        };
        const auto tanAbove = [](const SpiralElement& s) {
            return std::nextafter(std::tan(s.e.FI), std::numeric_limits<double>::infinity());
        };
        if (c.L > 0) {
            entries_.push_back(RouteSpiral(line, i, true));
            exits_.push_back(RouteSpiral(line, i, false));
            elements_.push_back({K::SpiralIn, i});
            ranges_.push_back({c.NSK1.PK, c.KSK1.PK});
        } else {
            entries_.emplace_back(), exits_.emplace_back();
        }
        bounds_.push_back({radius(c.NKK), radius(c.KSK1), radius(c.KSK2), radius(c.KKK),
                           tanAbove(entries_.back()), tanAbove(exits_.back())});
        elements_.push_back({K::Circle, i});
        ranges_.push_back({c.NKK.PK + c.L / 2, c.KKK.PK - c.L / 2});
        if (c.L > 0) {
            elements_.push_back({K::SpiralOut, i});
            ranges_.push_back({c.KSK2.PK, c.NSK2.PK});
        }
        PK = c.NSK2.PK;
    }
}

bool RouteLayout::StretchHolds(std::size_t element, double Y, double X) const {
    const RouteElement& e = elements_[element];
    switch (e.kind) {
    case K::Straight:
        return StraightHolds(e.curve, Y, X);
    case K::SpiralIn:
        return SpiralHolds(e.curve, true, Y, X);
    case K::SpiralOut:
        return SpiralHolds(e.curve, false, Y, X);
    case K::Circle:
        return CircleHolds(e.curve, Y, X);
    }
    return false;
}

double RouteLayout::OffsetBeyondEnds(double Y, double X) const {
    const std::size_t n = route_.curves.size();
    const TrackStraight first =
        n == 0 ? MakeTrackStraight(0, route_.start.Y, route_.start.X, 1, route_.end.Y, route_.end.X)
               : route_.curves[0].in;
    const TrackStraight last = n == 0 ? first : route_.curves[n - 1].out;
    double offset = std::numeric_limits<double>::infinity();
    if (DotProduct(Y - route_.start.Y, X - route_.start.X, first.sinA, first.cosA) < -LengthTolerance)
        offset = AbsValue(CrossProduct(Y - route_.start.Y, X - route_.start.X, first.sinA, first.cosA));
    if (DotProduct(Y - route_.end.Y, X - route_.end.X, last.sinA, last.cosA) > LengthTolerance)
        offset = std::min(offset,
                          AbsValue(CrossProduct(Y - route_.end.Y, X - route_.end.X, last.sinA, last.cosA)));
    return offset;
}

bool RouteLayout::StraightHolds(std::size_t curve, double Y, double X) const {
    const Leg& leg = legs_[curve];
    const double along = DotProduct(Y - leg.Y, X - leg.X, leg.sinA, leg.cosA);
    return along >= -LengthTolerance && along <= leg.length + LengthTolerance;
}

RouteLayout::Leg RouteLayout::StraightLeg(std::size_t curve) const {
    const std::size_t n = route_.curves.size();
    const MainPoint from = curve == 0 ? route_.start : route_.curves[curve - 1].NSK2;
    const MainPoint to = curve == n ? route_.end : route_.curves[curve].NSK1;
    if (n == 0) { // a route of one straight, which has no curve to take its leg from
        const TrackStraight only = MakeTrackStraight(0, from.Y, from.X, 1, to.Y, to.X);
        return {from.Y, from.X, only.sinA, only.cosA, only.Lpk};
    }
    // Along the leg from its start (START or the IP before) toward its end.
    const TrackStraight& leg = curve < n ? route_.curves[curve].in : route_.curves[n - 1].out;
    return {from.Y, from.X, leg.sinA, leg.cosA, DotProduct(to.Y - from.Y, to.X - from.X, leg.sinA, leg.cosA)};
}

bool RouteLayout::SpiralHolds(std::size_t curve, bool entry, double Y, double X) const {
    const RouteCurve& c = route_.curves[curve];
    const MainPoint& nkk = entry ? c.NKK : c.KKK;
    const SpiralElements& e = (entry ? entries_[curve] : exits_[curve]).e;
    // Before NSK: the abscissa alone tells, as ToSpiralFrame reckons it. Clearly
    // beyond the normal at KSK: its abscissa at the point's ordinate, X + (Y - y)
    // tan(FI), is no more than that with the tangent rounded up and a negative
    // Y - y taken as 0 (tan(FI) >= 0 on any curve of a route).
    const double dY = Y - nkk.Y, dX = X - nkk.X;
    const double x = DotProduct(dY, dX, e.straight.sinA, e.straight.cosA) + e.a;
    if (!(x + LengthTolerance >= 0)) return false;
    const double y = e.sigma * CrossProduct(dY, dX, e.straight.sinA, e.straight.cosA);
    const double tanAbove = entry ? bounds_[curve].entryTanAbove : bounds_[curve].exitTanAbove;
    const double beyond = e.X + std::max(0.0, e.Y - y) * tanAbove;
    if (tanAbove >= 0 && x > beyond + Slack(beyond, x)) return false;
    const SpiralFramePoint p = ToSpiralFrame(e, nkk.Y, nkk.X, Y, X);
    // The bound at NSK is the straight's join; the one at KSK the circle's, whose
    // sliver the circle takes.
    return IsOnSpiralStretch(p.x + LengthTolerance, p.xLimit + LengthTolerance);
}

bool RouteLayout::CircleHolds(std::size_t curve, double Y, double X) const {
    const RouteCurve& c = route_.curves[curve];
    const CurveBounds& b = bounds_[curve];
    // Clearly outside the sector from radius s to radius e: |v| sin of the angle from
    // a radius to v = (dY, dX) is the cross product with the radius' unit vector; the
    // exact test's angles are within (-pi, pi], so a point it holds has that sine at
    // least -margin from s and at most margin toward e, where margin |v| is
    // LengthTolerance.
    const double dY = Y - c.Y_ck, dX = X - c.X_ck, slack = Slack(dY, dX);
    const auto clearlyOutside = [&](const Radius& s, const Radius& e) {
        return c.sigma * (dY * s.uX - dX * s.uY) < -slack || c.sigma * (dY * e.uX - dX * e.uY) > slack;
    };
    if (clearlyOutside(b.KSK1, b.KSK2) && (c.L == 0 || clearlyOutside(b.NKK, b.KKK))) return false;
    // The point's radius between two radii, widened by LengthTolerance at its
    // distance from the centre.
    const double angle = DirectionAngle(dY, dX);
    const double margin = LengthTolerance / PlaneDistance(dY, dX);
    const auto between = [&](double start, double end) {
        return SweptAngle(c, angle, start) >= -margin && SweptAngle(c, angle, end) <= margin;
    };
    if (between(b.KSK1.angle, b.KSK2.angle)) return true;
    // The slivers at KSK: within the circular calculator's sector, on neither spiral.
    return c.L > 0 && between(b.NKK.angle, b.KKK.angle) && !SpiralHolds(curve, true, Y, X) &&
           !SpiralHolds(curve, false, Y, X);
}

std::size_t RouteLayout::ElementOfPicket(double PK) const {
    // A picket that is not a number is on no element either.
    if (!(PK >= route_.start.PK - LengthTolerance && PK <= route_.end.PK + LengthTolerance))
        return elements_.size();
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        if (PK > ranges_[i].last + LengthTolerance) continue;
        // Short of the exit spiral's count but past the circle's end: the circle's.
        if (elements_[i].kind == K::SpiralOut && PK < ranges_[i].first - LengthTolerance) return i - 1;
        return i;
    }
    return elements_.size() - 1;
}

double RouteLayout::PicketOnElement(std::size_t element, double PK) const {
    const Range& r = ranges_[element];
    return elements_[element].kind == K::Circle ? std::clamp(PK, r.first, r.last) : PK;
}

bool RouteLayout::TraceOn(const RouteElement& e, double Y, double X, double& PK, double& d) const {
    switch (e.kind) {
    case K::Straight: {
        const StraightTrace t = TraceOnStraight(straights_[e.curve], Y, X);
        PK = t.PK, d = t.d;
        return true;
    }
    case K::Circle: {
        const CircularTrace t = TraceOnCircle(circles_[e.curve], Y, X);
        PK = t.PK, d = t.d;
        return t.outcome == TraceOutcome::Traced;
    }
    case K::SpiralIn:
    case K::SpiralOut: {
        const SpiralTrace t =
            TraceOnSpiral(e.kind == K::SpiralIn ? entries_[e.curve] : exits_[e.curve], Y, X);
        PK = t.PK, d = t.d;
        return t.outcome == TraceOutcome::Traced;
    }
    }
    return false;
}

ElementSetOut RouteLayout::SetOutOn(const RouteElement& e, double PK, double d) const {
    switch (e.kind) {
    case K::Straight:
        return SetOutOnStraight(straights_[e.curve], PK, d);
    case K::Circle:
        return SetOutOnCircle(circles_[e.curve], PK, d);
    case K::SpiralIn:
        return SetOutOnSpiral(entries_[e.curve], PK, d);
    case K::SpiralOut:
        return SetOutOnSpiral(exits_[e.curve], PK, d);
    }
    return {SetOutOutcome::PicketOutside, 0, 0};
}
