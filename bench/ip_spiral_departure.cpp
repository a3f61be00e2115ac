// How far a true clothoid of the same length lies from an IP table's entry spiral
// (the IP table's own spiral convention), for curves of radius R and spirals of
// length L: the clothoid is laid from the spiral's start (NSK1) in its start
// direction with curvature growing from 0 to 1/R; printed are the largest distance
// of the IP spiral's points from the clothoid (across it) and the distance between
// their ends (KSK1 and the clothoid's end). Prints figures; checks nothing.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "geometry/clothoid_path.h"
#include "route/route_elements.h"
#include "text/selected_lines.h"

int main() {
    std::printf("%8s %8s %14s %14s\n", "R", "L", "across (mm)", "ends (mm)");
    double largest = 0;
    for (double R : {300.0, 500.0, 800.0, 1200.0, 2000.0})
        for (double L : {20.0, 40.0, 60.0, 100.0, 150.0}) {
            const std::string table = "START 0 0 0\r\nIP V1 0 3000 " + std::to_string(R) + " " + std::to_string(L) +
                                      "\r\nEND 3000 6000\r\n";
            const RouteElements read = ReadRouteElements(SelectedLines(table, 0, table.size()));
            if (!read.line) continue;
            const AlignmentElement& spiral = read.line->elements[1];
            const AlignmentElement& circle = read.line->elements[2];
            const ClothoidPath clothoid = MakeClothoidPath(spiral.Y, spiral.X, spiral.A, spiral.L, 0, 1 / R);
            double across = 0;
            for (int i = 0; i <= 400; ++i) {
                const double PK = spiral.PK + (spiral.PKend - spiral.PK) * i / 400;
                const PlanePoint p = spiral.kernel->PointAtStation(PK);
                const PathFoot foot = FootOnPath(clothoid, p.Y, p.X);
                if (foot.found) across = std::max(across, std::abs(foot.d));
            }
            const PathPoint end = PointOnPath(clothoid, spiral.L);
            const double ends = std::hypot(end.Y - circle.Y, end.X - circle.X);
            largest = std::max({largest, across, ends});
            std::printf("%8.0f %8.0f %14.3f %14.3f\n", R, L, across * 1000, ends * 1000);
        }
    std::printf("largest: %.3f mm\n", largest * 1000);
}
