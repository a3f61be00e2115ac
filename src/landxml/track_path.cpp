#include "landxml/track_path.h"

#include <algorithm>
#include <cmath>

#include "numeric/arithmetic.h"

namespace {
// The 8-point Gauss-Legendre rule on [-1, 1]: nodes and weights of its positive half.
constexpr double Nodes[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267, 0.9602898564975363};
constexpr double Weights[4] = {0.3626837833783620, 0.3137066678141205, 0.2223810344533745, 0.1012285362903763};

// The direction turned through after distance s from the start.
double TurnAt(const TrackPath& p, double s) {
    return p.k1 * s + (p.k2 - p.k1) * (s * s) / (2 * p.length);
}
} // namespace

double TurnedDirection(double direction, double turn) {
    const double full = PiTimes(2);
    double a = std::fmod(direction + turn, full);
    if (a < 0) a += full;
    return a >= full ? 0 : a;
}

double CurvatureAt(const TrackPath& path, double s) {
    return path.length > 0 ? path.k1 + (path.k2 - path.k1) * s / path.length : path.k1;
}

PathPoint PointAlong(const TrackPath& p, double s) {
    if (p.k1 == 0 && p.k2 == 0)
        return {p.Y + s * std::sin(p.azimuth), p.X + s * std::cos(p.azimuth), p.azimuth};
    if (p.k1 == p.k2) {
        // The chord of an arc: 2 sin(ks/2)/k long, half the turn off the tangent.
        const double turn = p.k1 * s;
        const double chord = 2 * std::sin(turn / 2) / p.k1;
        const double along = p.azimuth + turn / 2;
        return {p.Y + chord * std::sin(along), p.X + chord * std::cos(along), TurnedDirection(p.azimuth, turn)};
    }
    // Panels over which the tangent turns by at most 0.05 rad and that are at most
    // 20 m long: the 8-point rule's error on one is then far below 1e-12 of its length.
    const double kMax = std::max(AbsValue(p.k1), AbsValue(p.k2));
    const int panels = 1 + static_cast<int>(std::min(1e6, s * kMax / 0.05 + s / 20));
    const double h = s / panels;
    double dY = 0, dX = 0;
    for (int i = 0; i < panels; ++i) {
        const double middle = (i + 0.5) * h;
        double pY = 0, pX = 0;
        for (int j = 0; j < 4; ++j)
            for (double side : {-1.0, 1.0}) {
                const double a = p.azimuth + TurnAt(p, middle + side * Nodes[j] * h / 2);
                pY += Weights[j] * std::sin(a);
                pX += Weights[j] * std::cos(a);
            }
        dY += pY * h / 2;
        dX += pX * h / 2;
    }
    return {p.Y + dY, p.X + dX, TurnedDirection(p.azimuth, TurnAt(p, s))};
}
