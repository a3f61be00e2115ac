#include "route/route_layout.h"

#include <algorithm>
#include <limits>

#include "geometry/circular_curve.h"
#include "geometry/spiral_foot_point.h"
#include "geometry/tolerances.h"
#include "numeric/arithmetic.h"

namespace {
using K = RouteElementKind;

// The angle of (Y, X) seen from the centre, from the radius at angle `from`, in the
// sense sigma: in [0, sweep] on the arc.
double SweptAngle(const RouteCurve& c, double Y, double X, double from) {
    return c.sigma * ReduceToHalfTurn(DirectionAngle(Y - c.Y_ck, X - c.X_ck) - from);
}

double RadiusAngle(const RouteCurve& c, const MainPoint& p) {
    return DirectionAngle(p.Y - c.Y_ck, p.X - c.X_ck);
}

// Whether the point's radius lies between the radii through `start` and `end`,
// widened by LengthTolerance at its distance from the centre.
bool BetweenRadii(const RouteCurve& c, const MainPoint& start, const MainPoint& end, double Y, double X) {
    const double margin = LengthTolerance / PlaneDistance(Y - c.Y_ck, X - c.X_ck);
    const double fromStart = SweptAngle(c, Y, X, RadiusAngle(c, start));
    const double toEnd = SweptAngle(c, Y, X, RadiusAngle(c, end));
    return fromStart >= -margin && toEnd <= margin;
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
        if (i == n) break;
        const RouteCurve& c = line.curves[i];
        circles_.push_back(RouteCircle(line, i));
        if (c.L > 0) {
            entries_.push_back(RouteSpiral(line, i, true));
            exits_.push_back(RouteSpiral(line, i, false));
            elements_.push_back({K::SpiralIn, i});
            ranges_.push_back({c.NSK1.PK, c.KSK1.PK});
        } else {
            entries_.emplace_back(), exits_.emplace_back();
        }
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
        offset =
            std::min(offset, AbsValue(CrossProduct(Y - route_.end.Y, X - route_.end.X, last.sinA, last.cosA)));
    return offset;
}

bool RouteLayout::StraightHolds(std::size_t curve, double Y, double X) const {
    const std::size_t n = route_.curves.size();
    const MainPoint from = curve == 0 ? route_.start : route_.curves[curve - 1].NSK2;
    const MainPoint to = curve == n ? route_.end : route_.curves[curve].NSK1;
    if (n == 0) { // a route of one straight, which has no curve to take its leg from
        const TrackStraight only = MakeTrackStraight(0, from.Y, from.X, 1, to.Y, to.X);
        const double along = DotProduct(Y - from.Y, X - from.X, only.sinA, only.cosA);
        return along >= -LengthTolerance && along <= only.Lpk + LengthTolerance;
    }
    // Along the leg from its start (START or the IP before) toward its end.
    const TrackStraight& leg = curve < n ? route_.curves[curve].in : route_.curves[n - 1].out;
    const double along = DotProduct(Y - from.Y, X - from.X, leg.sinA, leg.cosA);
    const double length = DotProduct(to.Y - from.Y, to.X - from.X, leg.sinA, leg.cosA);
    return along >= -LengthTolerance && along <= length + LengthTolerance;
}

bool RouteLayout::SpiralHolds(std::size_t curve, bool entry, double Y, double X) const {
    const RouteCurve& c = route_.curves[curve];
    const MainPoint& nkk = entry ? c.NKK : c.KKK;
    const SpiralFramePoint p = ToSpiralFrame((entry ? entries_[curve] : exits_[curve]).e, nkk.Y, nkk.X, Y, X);
    // The bound at NSK is the straight's join; the one at KSK the circle's, whose
    // sliver the circle takes.
    return IsOnSpiralStretch(p.x + LengthTolerance, p.xLimit + LengthTolerance);
}

bool RouteLayout::CircleHolds(std::size_t curve, double Y, double X) const {
    const RouteCurve& c = route_.curves[curve];
    if (BetweenRadii(c, c.KSK1, c.KSK2, Y, X)) return true;
    // The slivers at KSK: within the circular calculator's sector, on neither spiral.
    return c.L > 0 && BetweenRadii(c, c.NKK, c.KKK, Y, X) && !SpiralHolds(curve, true, Y, X) &&
           !SpiralHolds(curve, false, Y, X);
}

std::size_t RouteLayout::ElementOfPicket(double PK) const {
    // A picket that is not a number is on no element either.
    if (!(PK >= route_.start.PK - LengthTolerance && PK <= route_.end.PK + LengthTolerance)) return elements_.size();
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
        const SpiralTrace t = TraceOnSpiral(e.kind == K::SpiralIn ? entries_[e.curve] : exits_[e.curve], Y, X);
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
