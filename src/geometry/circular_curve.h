// A circular curve of the track given by its start NK and end KK (the first and
// the second given point), its centre and its radius R_kk: the radii to its ends
// and the angle it turns through, as the circular trace and its set-out share them.
#pragma once

struct CircularCurve {
    double Rnkk, Ankk; // distance and direction angle from the centre to the start
    double Rkkk, Akkk; // the same to the end
    double Beta;       // turning angle from the start radius to the end radius, in (-pi, pi]
    double Skk;        // sense of the curve: +1 when the radius turns toward growing angles (Beta >= 0)
    double Lkk;        // length of the arc, reported only
};

// An angle difference brought into (-pi, pi]: a negative one is raised by a full
// turn, then one above a half turn lowered by a full turn. 0 and pi stay as they are.
double ReduceToHalfTurn(double angle);

// The margin of the tests whether a radius lies in the curve's sector: eight units
// in the last place of a full turn (7.1e-15 rad). Each reduction by a full turn
// rounds by up to one such unit, and without the margin a point exactly on an end
// radius (the start point itself, on some curves) could be judged a hair outside.
constexpr double AngleRoundingMargin = 8 * 8.8817841970012523e-16;

// The curve from its start NK (Y_nk, X_nk), its end KK, its centre CK and its radius R_kk.
CircularCurve MakeCircularCurve(double Y_nk, double X_nk, double Y_kk, double X_kk, double Y_ck, double X_ck,
                                double R_kk);
