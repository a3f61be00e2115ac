// The profile of a route: the level along its pickets, on straight grades between
// the grade breaks (PVI) and on a vertical curve at each break that has a radius.
//
// Notation, for one PVI (the report labels):
//   i1, i2    the grades before and after the PVI, (H2 - H1) / (PK2 - PK1)
//   w         i2 - i1: above 0 a sag, below 0 a crest
//   Rv        the radius of the vertical curve (0: a break with no curve)
//   Tv        the tangent, Rv |w| / 2; Kv = 2 Tv its length; Bv = Tv^2 / (2 Rv)
//             the mid-ordinate (all 0 with no curve or no change of grade)
//   NVK, KVK  where the curve starts and ends, at PK_PVI - Tv and PK_PVI + Tv
//   Hc        the curve's level at the PVI's picket: H_PVI - Bv on a crest, + Bv
//             on a sag
// On the curve, the parabola of track design: with x = PK - PK_NVK,
//   H = H_PVI + i1 (PK - PK_PVI) + w x^2 / (4 Tv).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "route/profile_table_reader.h"

struct ProfileLevel {
    double PK, H;
};

struct ProfilePvi {
    std::string name;
    ProfileLevel at;
    double Rv;
    double i1, i2, w, Tv, Kv, Bv, Hc;
    ProfileLevel NVK, KVK;
};

struct VerticalProfile {
    ProfileLevel start, end;
    std::vector<ProfilePvi> pvis;
    double lastGrade; // from the last PVI (or PSTART) to PEND
};

// The profile of a table that was read, or why it cannot be one.
struct VerticalProfileBuild {
    VerticalProfile profile;
    std::string refusal; // empty when built
};

// Refused when the pickets do not increase from PSTART through the PVIs to PEND, an
// Rv is below 0, a grade or curve cannot be computed (levels too far
// apart for a double), two vertical curves overlap, or a curve reaches past PSTART
// or PEND.
VerticalProfileBuild BuildVerticalProfile(const ProfileTable& table);

// The design level at the picket; none before PSTART, beyond PEND, or for a picket
// that is no number.
std::optional<double> DesignLevel(const VerticalProfile& profile, double PK);
