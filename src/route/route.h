// The whole line of a route: its straights and, at every IP, a circular curve
// between two transition spirals, built in the conventions of the circular and
// spiral calculators, so that either, given the fields of one curve, reports the
// same pickets and offsets as the line.
//
// Notation, for one IP (the report labels):
//   in, out     the straights into and out of the IP, directions u_in and u_out
//   Theta       turning angle, in (0, pi); sigma +1 ("!Right!") when the direction
//               angle grows through the bend
//   R, L        radius of the circle that touches both straights (R_kk of the
//               calculators) and length of each spiral (0: a plain circular curve)
//   h           the cant of the circle in millimetres, ramped along both spirals
//   T0          R tan(Theta/2), the tangent of the plain circle
//   C, a, (Z)   spiral parameter R L, the spiral's start ahead of the plain circle's
//               tangent point, the shift of the track's circle (radius R - (Z))
//   T, K, D, B  tangent, curve length, domer (2T - K), bisector
//   NKK, KKK    where the plain circle touches the straights
//   NSK1, KSK1  start and end of the entry spiral; KSK2, NSK2 those of the exit
//   SK          the middle of the track's circle
// Pickets on the circle count R times the angle from the radius through NKK, as the
// circular calculator counts them; at KSK the spiral's count is given, which differs
// from the circle's PK_NKK + L/2 by the truncation of the spiral's series.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "geometry/track_straight.h"
#include "route/ip_table_reader.h"

struct MainPoint {
    double PK, Y, X;
};

struct RouteCurve {
    std::string name;
    MainPoint IP;
    double R, L, h;
    TrackStraight in, out; // from the previous point to the IP, from the IP to the next
    double Theta, sigma;
    double T0, C, a, Z, T, K, D, B;
    double Y_ck, X_ck; // the centre of both circles
    MainPoint NKK, KKK, NSK1, KSK1, SK, KSK2, NSK2;
};

struct Route {
    MainPoint start, end;
    std::vector<RouteCurve> curves;
};

// The line of a table, or why it cannot be one.
struct RouteBuild {
    Route line;
    std::string refusal; // empty when built
};

// Builds the line of a table that was read. It is refused when R is not above 0 or
// L below 0 or either is not finite, two consecutive points coincide or lie so far
// apart that their distance overflows, an IP turns less than LeastTurn or 179
// degrees or more, the spirals of an IP overlap (L more than R Theta) or are so
// short that their series underflow, two consecutive curves overlap on their
// straight, or START or END lies inside the first or last curve; or when a cant is
// below 0, not finite, or above 0 on an IP without spirals to ramp it.
RouteBuild BuildRoute(const IpTable& table);

// The main points of a curve in line order with their names: NSK1, KSK1, SK, KSK2, NSK2.
std::array<std::pair<const char*, const MainPoint*>, 5> MainPointsOf(const RouteCurve& c);
