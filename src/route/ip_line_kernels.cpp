#include "route/ip_line_kernels.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "elements/circular_kernels.h"
#include "elements/spiral_kernels.h"
#include "elements/straight_kernels.h"
#include "geometry/circular_curve.h"
#include "geometry/spiral_foot_point.h"
#include "geometry/tolerances.h"
#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"
#include "route/ip_element_geometry.h"

namespace {
// Cheap tests that tell a point off a stretch before the exact test, which takes an
// arc tangent or a tangent; they never turn away a point the exact test would hold.
// Each allows far more than the rounding of either test: 2e-9 (twice the exact
// test's widening) plus 1e-12 of the coordinates' differences.
double Slack(double dY, double dX) {
    return 2 * LengthTolerance + 1e-12 * (AbsValue(dY) + AbsValue(dX));
}

// The number of chords of at most `step` that cover `length` (at least one), and
// never more than this, however fine the tolerance.
constexpr std::size_t MostChordsPerElement = 100000;
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
constexpr double ArcPassTolerance = 1e-9;

double ArcOfPicketLength(double Lpk, double C) {
    double l = Lpk;
    for (int pass = 0; pass < MostArcPasses; ++pass) {
        const double next = l - (SpiralPicketLength(l, C) - Lpk);
        const bool settled = !(std::abs(next - l) > ArcPassTolerance);
        l = next;
        if (settled) break;
    }
    return l;
}

PlanePoint Of(const MainPoint& p) {
    return {p.Y, p.X};
}

// The same straight run the other way.
TrackStraight Backward(const TrackStraight& out) {
    TrackStraight back = out;
    back.sinA = -out.sinA, back.cosA = -out.cosA;
    return back;
}

// What the kernels of one curve share: the curve, its circle and spirals as the
// calculators take them, and what the stretches' tests take again and again (the
// direction angles of its main points' radii from the centre and those radii as
// unit vectors (Y, X); the tangent of each spiral's (FI), rounded up).
struct Radius {
    double angle, uY, uX;
};
struct IpCurve {
    RouteCurve c;
    CircularElement circle;
    SpiralElement entry, exit;
    Radius NKK, KSK1, KSK2, KKK;
    double entryTanAbove = 0, exitTanAbove = 0;

    IpCurve(const Route& route, std::size_t curve) : c(route.curves[curve]) {
        circle = RouteCircle(route, curve);
        const auto radius = [&](const MainPoint& p) {
            const double dY = p.Y - c.Y_ck, dX = p.X - c.X_ck, r = PlaneDistance(dY, dX);
            return Radius{DirectionAngle(dY, dX), dY / r, dX / r};
        };
        const auto tanAbove = [](const SpiralElement& s) {
            return std::nextafter(std::tan(s.e.FI), std::numeric_limits<double>::infinity());
        };
        entry = exit = SpiralElement{};
        if (c.L > 0) entry = RouteSpiral(route, curve, true), exit = RouteSpiral(route, curve, false);
        NKK = radius(c.NKK), KSK1 = radius(c.KSK1), KSK2 = radius(c.KSK2), KKK = radius(c.KKK);
        entryTanAbove = tanAbove(entry), exitTanAbove = tanAbove(exit);
    }

    // The angle of a point at direction angle `angle` from the centre, from the
    // radius at angle `from`, in the sense sigma: in [0, sweep] on the arc.
    double SweptAngle(double angle, double from) const { return c.sigma * ReduceToHalfTurn(angle - from); }

    bool SpiralHolds(bool isEntry, double Y, double X) const {
        const MainPoint& nkk = isEntry ? c.NKK : c.KKK;
        const SpiralElements& e = (isEntry ? entry : exit).e;
        // Before NSK: the abscissa alone tells, as ToSpiralFrame reckons it. Clearly
        // beyond the normal at KSK: its abscissa at the point's ordinate, X + (Y - y)
        // tan(FI), is no more than that with the tangent rounded up and a negative
        // Y - y taken as 0 (tan(FI) >= 0 on any curve of a route).
        const double dY = Y - nkk.Y, dX = X - nkk.X;
        const double x = DotProduct(dY, dX, e.straight.sinA, e.straight.cosA) + e.a;
        if (!(x + LengthTolerance >= 0)) return false;
        const double y = e.sigma * CrossProduct(dY, dX, e.straight.sinA, e.straight.cosA);
        const double tanAbove = isEntry ? entryTanAbove : exitTanAbove;
        const double beyond = e.X + std::max(0.0, e.Y - y) * tanAbove;
        if (tanAbove >= 0 && x > beyond + Slack(beyond, x)) return false;
        const SpiralFramePoint p = ToSpiralFrame(e, nkk.Y, nkk.X, Y, X);
        // The bound at NSK is the straight's join; the one at KSK the circle's, whose
        // sliver the circle takes.
        return IsOnSpiralStretch(p.x + LengthTolerance, p.xLimit + LengthTolerance);
    }

    bool CircleHolds(double Y, double X) const {
        // Clearly outside the sector from radius s to radius e: |v| sin of the angle
        // from a radius to v = (dY, dX) is the cross product with the radius' unit
        // vector; the exact test's angles are within (-pi, pi], so a point it holds
        // has that sine at least -margin from s and at most margin toward e, where
        // margin |v| is LengthTolerance.
        const double dY = Y - c.Y_ck, dX = X - c.X_ck, slack = Slack(dY, dX);
        const auto clearlyOutside = [&](const Radius& s, const Radius& e) {
            return c.sigma * (dY * s.uX - dX * s.uY) < -slack || c.sigma * (dY * e.uX - dX * e.uY) > slack;
        };
        if (clearlyOutside(KSK1, KSK2) && (c.L == 0 || clearlyOutside(NKK, KKK))) return false;
        // The point's radius between two radii, widened by LengthTolerance at its
        // distance from the centre.
        const double angle = DirectionAngle(dY, dX);
        const double margin = LengthTolerance / PlaneDistance(dY, dX);
        const auto between = [&](double start, double end) {
            return SweptAngle(angle, start) >= -margin && SweptAngle(angle, end) <= margin;
        };
        if (between(KSK1.angle, KSK2.angle)) return true;
        // The slivers at KSK: within the circular calculator's sector, on neither spiral.
        return c.L > 0 && between(NKK.angle, KKK.angle) && !SpiralHolds(true, Y, X) && !SpiralHolds(false, Y, X);
    }

    // The point of the entry spiral at arc length l from NSK1, of the exit spiral at
    // l from NSK2, and of the track circle (radius R - (Z)) at `swept` radians from
    // the radius through KSK1 toward KSK2: from the clothoid series in the spiral
    // frame stepped off from NKK (KKK) along the straight, as the route places KSK1
    // (KSK2), and from the centre.
    PlanePoint SpiralPoint(bool isEntry, double l) const {
        if (isEntry) return StepOff(c.in, c.NKK.Y, c.NKK.X, ClothoidX(l, c.C) - c.a, c.sigma * ClothoidY(l, c.C));
        return StepOff(Backward(c.out), c.KKK.Y, c.KKK.X, ClothoidX(l, c.C) - c.a, -c.sigma * ClothoidY(l, c.C));
    }
    double CircleSweep() const {
        const double from = DirectionAngle(c.KSK1.Y - c.Y_ck, c.KSK1.X - c.X_ck);
        const double to = DirectionAngle(c.KSK2.Y - c.Y_ck, c.KSK2.X - c.X_ck);
        return c.sigma * ReduceToHalfTurn(to - from);
    }
    PlanePoint CirclePoint(double swept) const {
        const double angle = DirectionAngle(c.KSK1.Y - c.Y_ck, c.KSK1.X - c.X_ck) + c.sigma * swept;
        const double r = c.R - c.Z;
        return {c.Y_ck + r * std::sin(angle), c.X_ck + r * std::cos(angle)};
    }
};

class StraightKernel : public ElementKernel {
  public:
    StraightKernel(const Route& route, std::size_t curve) : element_(RouteStraight(route, curve)) {
        const std::size_t n = route.curves.size();
        from_ = curve == 0 ? route.start : route.curves[curve - 1].NSK2;
        to_ = curve == n ? route.end : route.curves[curve].NSK1;
        // Along the leg from its start (START or the IP before) toward its end; a
        // route of one straight has no curve to take its leg from.
        leg_ = n == 0 ? MakeTrackStraight(0, from_.Y, from_.X, 1, to_.Y, to_.X)
                      : (curve < n ? route.curves[curve].in : route.curves[n - 1].out);
        length_ = n == 0 ? leg_.Lpk : DotProduct(to_.Y - from_.Y, to_.X - from_.X, leg_.sinA, leg_.cosA);
    }
    std::optional<StationOffset> Trace(double Y, double X) const override {
        const double along = DotProduct(Y - from_.Y, X - from_.X, leg_.sinA, leg_.cosA);
        if (!(along >= -LengthTolerance && along <= length_ + LengthTolerance)) return std::nullopt;
        const StraightTrace t = TraceOnStraight(element_, Y, X);
        return StationOffset{t.PK, t.d};
    }
    ElementSetOut SetOut(double PK, double d) const override {
        const ElementSetOut p = SetOutOnStraight(element_, PK, d);
        return p.outcome == SetOutOutcome::SetOut ? p : ElementSetOut{SetOutOutcome::PicketOutside, 0, 0};
    }
    PlanePoint PointAtStation(double PK) const override {
        return StepOff(leg_, from_.Y, from_.X, PK - from_.PK, 0);
    }
    std::vector<PlanePoint> Sample(double) const override { return {Of(from_), Of(to_)}; }

  private:
    StraightElement element_;
    MainPoint from_, to_;
    TrackStraight leg_;
    double length_;
};

class SpiralKernel : public ElementKernel {
  public:
    SpiralKernel(std::shared_ptr<const IpCurve> curve, bool entry) : curve_(std::move(curve)), entry_(entry) {}
    std::optional<StationOffset> Trace(double Y, double X) const override {
        if (!curve_->SpiralHolds(entry_, Y, X)) return std::nullopt;
        const SpiralTrace t = TraceOnSpiral(Element(), Y, X);
        if (t.outcome != TraceOutcome::Traced) return std::nullopt;
        return StationOffset{t.PK, t.d};
    }
    ElementSetOut SetOut(double PK, double d) const override {
        // d reaches the centre of curvature at C over the picket length from the
        // spiral's start toward the centre (none at the start itself).
        const RouteCurve& c = curve_->c;
        const double fromStart = entry_ ? PK - c.NSK1.PK : c.NSK2.PK - PK;
        if (fromStart > 0 && c.sigma * d >= c.C / fromStart) return {SetOutOutcome::OffsetBeyondCentre, 0, 0};
        const ElementSetOut p = SetOutOnSpiral(Element(), PK, d);
        return p.outcome == SetOutOutcome::SetOut ? p : ElementSetOut{SetOutOutcome::PicketOutside, 0, 0};
    }
    PlanePoint PointAtStation(double PK) const override {
        const RouteCurve& c = curve_->c;
        return curve_->SpiralPoint(entry_, ArcOfPicketLength(entry_ ? PK - c.NSK1.PK : c.NSK2.PK - PK, c.C));
    }
    std::vector<PlanePoint> Sample(double tolerance) const override {
        const RouteCurve& c = curve_->c;
        const std::size_t n = ChordsFor(c.L, ArcStep(c.R, tolerance));
        std::vector<PlanePoint> points;
        points.reserve(n + 1);
        for (std::size_t i = 0; i <= n; ++i) {
            const double l = i == n ? c.L : c.L * static_cast<double>(i) / static_cast<double>(n);
            points.push_back(curve_->SpiralPoint(entry_, l));
        }
        if (!entry_) std::reverse(points.begin(), points.end());
        return points;
    }

  private:
    const SpiralElement& Element() const { return entry_ ? curve_->entry : curve_->exit; }
    std::shared_ptr<const IpCurve> curve_;
    bool entry_;
};

class CircleKernel : public ElementKernel {
  public:
    explicit CircleKernel(std::shared_ptr<const IpCurve> curve) : curve_(std::move(curve)) {}
    // The circle's own calculator counts its offset outward from the centre: turned
    // round on a right-hand curve.
    std::optional<StationOffset> Trace(double Y, double X) const override {
        if (!curve_->CircleHolds(Y, X)) return std::nullopt;
        const CircularTrace t = TraceOnCircle(curve_->circle, Y, X);
        if (t.outcome != TraceOutcome::Traced) return std::nullopt;
        return StationOffset{t.PK, curve_->c.sigma > 0 ? -t.d : t.d};
    }
    ElementSetOut SetOut(double PK, double d) const override {
        const RouteCurve& c = curve_->c;
        if (c.sigma * d >= c.R - c.Z) return {SetOutOutcome::OffsetBeyondCentre, 0, 0};
        const ElementSetOut p = SetOutOnCircle(curve_->circle, PK, c.sigma > 0 ? -d : d);
        return p.outcome == SetOutOutcome::SetOut ? p : ElementSetOut{SetOutOutcome::PicketOutside, 0, 0};
    }
    // The circle's stations spread evenly from KSK1 to KSK2, so that the ticks run on
    // without a step where the spirals' count meets the circle's.
    PlanePoint PointAtStation(double PK) const override {
        const RouteCurve& c = curve_->c;
        const double share = c.KSK2.PK > c.KSK1.PK ? (PK - c.KSK1.PK) / (c.KSK2.PK - c.KSK1.PK) : 0;
        return curve_->CirclePoint(share * curve_->CircleSweep());
    }
    std::vector<PlanePoint> Sample(double tolerance) const override {
        const RouteCurve& c = curve_->c;
        const double r = c.R - c.Z, sweep = curve_->CircleSweep();
        const std::size_t n = ChordsFor(r * sweep, ArcStep(r, tolerance));
        std::vector<PlanePoint> points;
        points.reserve(n + 1);
        points.push_back(Of(c.KSK1));
        for (std::size_t i = 1; i < n; ++i)
            points.push_back(curve_->CirclePoint(sweep * static_cast<double>(i) / static_cast<double>(n)));
        points.push_back(Of(c.KSK2));
        return points;
    }

  private:
    std::shared_ptr<const IpCurve> curve_;
};

} // namespace

std::shared_ptr<const ElementKernel> IpStraightKernel(const Route& route, std::size_t curve) {
    return std::make_shared<const StraightKernel>(route, curve);
}

IpCurveKernels MakeIpCurveKernels(const Route& route, std::size_t curve) {
    const auto shared = std::make_shared<const IpCurve>(route, curve);
    IpCurveKernels kernels{nullptr, std::make_shared<const CircleKernel>(shared), nullptr};
    if (shared->c.L > 0) {
        kernels.entry = std::make_shared<const SpiralKernel>(shared, true);
        kernels.exit = std::make_shared<const SpiralKernel>(shared, false);
    }
    return kernels;
}
