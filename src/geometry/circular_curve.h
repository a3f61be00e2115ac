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

// The curve from its start NK (Y_nk, X_nk), its end KK, its centre CK and its radius R_kk.
CircularCurve MakeCircularCurve(double Y_nk, double X_nk, double Y_kk, double X_kk, double Y_ck, double X_ck,
                                double R_kk);
