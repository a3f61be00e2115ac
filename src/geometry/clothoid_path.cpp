#include "geometry/clothoid_path.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

// The integral F(t) of exp(i phi(u)) over u from 0 to t and G = exp(i phi(t)), where
// phi(u) = k u + c u^2 is the turn from a knot of curvature k: the real parts along
// the knot's tangent, the imaginary parts to its right. With g(u) = exp(i phi(u)) =
// sum a_m u^m, g' = i phi' g gives (m + 1) a_{m+1} = i (k a_m + 2 c a_{m-1}); the sums
// run over b_m = a_m t^m, so G = sum b_m and F = t sum b_m / (m + 1).
struct KnotSeries {
    double fAlong, fRight; // F
    double gAlong, gRight; // G
};
// 1 / n for the series' divisions, which would otherwise cost most of its time.
constexpr auto Reciprocals = [] {
    std::array<double, MaxSeriesTerms + 2> r{};
    for (int n = 1; n < MaxSeriesTerms + 2; ++n)
        r[n] = 1.0 / n;
    return r;
}();

KnotSeries SumFromKnot(double k, double c, double t) {
    const double kt = k * t;
    const double ct2 = 2 * c * t * t;
    // Once m + 1 exceeds this the terms can only shrink.
    const double growth = std::abs(kt) + std::abs(ct2);
    double lastAlong = 1, lastRight = 0; // b_{m-1}
    double bAlong = 0, bRight = kt;      // b_m, from m = 1
    double gAlong = 1, gRight = kt;
    double fAlong = 1, fRight = kt / 2;
    for (int m = 1; m < MaxSeriesTerms; ++m) {
        const double nextAlong = -(kt * bRight + ct2 * lastRight) * Reciprocals[m + 1];
        const double nextRight = (kt * bAlong + ct2 * lastAlong) * Reciprocals[m + 1];
        lastAlong = bAlong;
        lastRight = bRight;
        bAlong = nextAlong;
        bRight = nextRight;
        gAlong += bAlong;
        gRight += bRight;
        fAlong += bAlong * Reciprocals[m + 2];
        fRight += bRight * Reciprocals[m + 2];
        if (m + 1 > growth &&
            std::abs(bAlong) + std::abs(bRight) + std::abs(lastAlong) + std::abs(lastRight) <=
                SeriesTolerance)
            break;
    }
    return {t * fAlong, t * fRight, gAlong, gRight};
}

// How far from a point of curvature k the tangent runs before it turns by `turn`: the
// root of |c| t^2 + |k| t = turn, in the form that loses nothing when c is small;
// without limit on a straight.
double TurnReach(double k, double c, double turn) {
    const double denominator = std::abs(k) + std::sqrt(k * k + 4 * turn * std::abs(c));
    return denominator > 0 ? 2 * turn / denominator : Infinity;
}

// A point of the element relative to its start point, with its direction and curvature.
struct LocalPoint {
    bool ok; // false for a refused element, a non-finite s or beyond the extension
    double y, x, A, sinA, cosA, k;
};

LocalPoint PointFromKnot(const ClothoidKnot& knot, double c, double t) {
    const KnotSeries series = SumFromKnot(knot.k, c, t);
    return {true,
            knot.y + (series.fAlong * knot.sinA + series.fRight * knot.cosA),
            knot.x + (series.fAlong * knot.cosA - series.fRight * knot.sinA),
            knot.A + t * (knot.k + c * t),
            series.gAlong * knot.sinA + series.gRight * knot.cosA,
            series.gAlong * knot.cosA - series.gRight * knot.sinA,
            knot.k + 2 * c * t};
}

LocalPoint LocalPointAt(const ClothoidPath& p, double s) {
    const LocalPoint none{false, NaN, NaN, NaN, NaN, NaN, NaN};
    if (p.knots.empty() || !std::isfinite(s) || s < -p.before || s > p.L + p.after) return none;
    const double last = static_cast<double>(p.knots.size() - 1);
    const int i = static_cast<int>(std::clamp(std::floor(s / p.h + 0.5), 0.0, last));
    return PointFromKnot(p.knots[static_cast<std::size_t>(i)], p.c, s - i * p.h);
}

// The projection of a point, (py, px) from the start, on the chord from knot a to knot
// b: how far along it (0 at a, 1 at b, beyond either outside) and the squared distance
// from the nearest point of the chord.
struct ChordProjection {
    double u, distance2;
};
ChordProjection ProjectOnChord(const ClothoidKnot& a, const ClothoidKnot& b, double py, double px) {
    const double vy = b.y - a.y, vx = b.x - a.x;
    const double wy = py - a.y, wx = px - a.x;
    double u = (wy * vy + wx * vx) / (vy * vy + vx * vx);
    if (!std::isfinite(u)) u = 0;
    const double within = std::clamp(u, 0.0, 1.0);
    const double ey = wy - within * vy, ex = wx - within * vx;
    return {u, ey * ey + ex * ex};
}

// The first guess of a foot point: the point's projection on the nearer of the two
// chords at its nearest knot, running on past the element's ends, kept within the
// extension. Seeking the nearest knot first costs three operations a knot; a chord's
// projection needs a division.
double FirstFootGuess(const ClothoidPath& p, double py, double px) {
    const std::size_t last = p.knots.size() - 1;
    std::size_t nearest = 0;
    double nearestDistance2 = Infinity;
    for (std::size_t i = 0; i <= last; ++i) {
        const double ey = py - p.knots[i].y, ex = px - p.knots[i].x;
        const double distance2 = ey * ey + ex * ex;
        if (distance2 < nearestDistance2) {
            nearestDistance2 = distance2;
            nearest = i;
        }
    }
    double guess = 0;
    double guessDistance2 = Infinity;
    for (std::size_t i = nearest == 0 ? 0 : nearest - 1; i < std::min(nearest + 1, last); ++i) {
        const ChordProjection chord = ProjectOnChord(p.knots[i], p.knots[i + 1], py, px);
        if (chord.distance2 < guessDistance2) {
            guessDistance2 = chord.distance2;
            const double u = std::clamp(chord.u, i == 0 ? -Infinity : 0.0, i + 1 == last ? Infinity : 1.0);
            guess = (static_cast<double>(i) + u) * p.h;
        }
    }
    return std::clamp(guess, -p.before, p.L + p.after);
}

} // namespace

ClothoidPath MakeClothoidPath(double Y0, double X0, double A0, double L, double k1, double k2) {
    ClothoidPath p{Y0, X0, A0, L, k1, k2, NaN, NaN, NaN, NaN, {}};
    const bool finite = std::isfinite(Y0) && std::isfinite(X0) && std::isfinite(A0) && std::isfinite(L) &&
                        std::isfinite(k1) && std::isfinite(k2);
    if (!finite || !(L > 0)) return p;
    const double c = (k2 - k1) / (2 * L);
    // Since the curvature is linear, its largest size is at an end.
    const double piecesByTurn = std::ceil(L * std::max(std::abs(k1), std::abs(k2)) / PieceTurn);
    if (!std::isfinite(c) || !(piecesByTurn <= MaxPieces)) return p;
    // A straight needs one piece: its series is exact at any distance, its chord is itself.
    const double piecesByLength =
        k1 == 0 && k2 == 0 ? 1 : std::min(std::ceil(L / PieceLength), double{MaxPieces});
    const int pieces = static_cast<int>(std::max({1.0, piecesByTurn, piecesByLength}));
    p.c = c;
    p.h = L / pieces;
    p.knots.reserve(static_cast<std::size_t>(pieces) + 1);
    ClothoidKnot knot{0, 0, A0, std::sin(A0), std::cos(A0), k1};
    for (int i = 1;; ++i) {
        p.knots.push_back(knot);
        if (i > pieces) break;
        // Each knot's direction from the law itself, so no error gathers along the element.
        const LocalPoint next = PointFromKnot(knot, c, p.h);
        const double s = i * p.h;
        const double A = A0 + s * (k1 + c * s);
        knot = {next.y, next.x, A, std::sin(A), std::cos(A), k1 + 2 * c * s};
    }
    p.before = TurnReach(p.knots.front().k, c, MaxExtensionTurn);
    p.after = TurnReach(p.knots.back().k, c, MaxExtensionTurn);
    return p;
}

PathPoint PointOnPath(const ClothoidPath& p, double s) {
    const LocalPoint local = LocalPointAt(p, s);
    return {p.Y0 + local.y, p.X0 + local.x, local.A};
}

PlanePoint PointOffPath(const ClothoidPath& p, double s, double d) {
    const LocalPoint local = LocalPointAt(p, s);
    return {p.Y0 + (local.y + d * local.cosA), p.X0 + (local.x - d * local.sinA)};
}

double CurvatureAt(const ClothoidPath& p, double s) {
    return p.knots.empty() ? NaN : p.k1 + 2 * p.c * s;
}

// Newton's method on f(s) = (P - C(s)) . T(s), whose derivative is -(1 - k d): each
// pass steps by f / (1 - k d). Where 1 - k d <= 0 the point lies beyond the centre of
// curvature of C(s) and Newton would head for the farthest foot; the pass then steps
// toward the nearer one instead (along f, where the distance falls). Every step is
// cut to where the tangent turns by FootStepTurn, and s is kept within the extension.
PathFoot FootOnPath(const ClothoidPath& p, double Y, double X) {
    PathFoot foot{false, NaN, NaN, 0};
    const double py = Y - p.Y0, px = X - p.X0;
    if (p.knots.empty() || !std::isfinite(py) || !std::isfinite(px)) return foot;
    double s = FirstFootGuess(p, py, px);
    while (foot.passes < MaxFootPasses) {
        ++foot.passes;
        const LocalPoint local = LocalPointAt(p, s);
        if (!local.ok) return foot;
        const double dy = py - local.y, dx = px - local.x;
        const double f = dy * local.sinA + dx * local.cosA;
        const double d = dy * local.cosA - dx * local.sinA;
        const double q = 1 - local.k * d;
        const double reach = TurnReach(local.k, p.c, FootStepTurn);
        const double step = std::clamp(q > 0 ? f / q : (f < 0 ? -reach : reach), -reach, reach);
        s = std::clamp(s + step, -p.before, p.L + p.after);
        foot.s = s;
        foot.d = d;
        if (q > 0 && std::abs(step) <= FootTolerance) {
            foot.found = true;
            return foot;
        }
    }
    return foot;
}
