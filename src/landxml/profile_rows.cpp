#include "landxml/profile_rows.h"

#include <cmath>

#include "landxml/landxml_numbers.h"
#include "numeric/arithmetic.h"
#include "text/number_text.h"

namespace {
struct ProfilePoint {
    const LandXmlProfilePoint* file = nullptr;
    double station = 0; // internal, metres
    double H = 0;       // metres
    double Rv = 0;  // of the curve at this point, 0 for none
    std::string PK, level; // as written
    // The station along the line (internal: a grade across an equation is measured
    // along the line) and the level, as the written decimals give them.
    double along = 0, writtenH = 0;
};

// x as it reads back from its text with `decimals` decimals.
double Written(double x, int decimals) {
    return ParseNumber(Fixed(x, decimals).c_str());
}

std::vector<ProfilePoint> ReadPoints(const AlignmentContext& c, const LandXmlProfAlign& profile) {
    std::vector<ProfilePoint> points;
    for (const LandXmlProfilePoint& p : profile.points) {
        if (p.kind == "UnsymParaCurve")
            throw ImportRefusal{p.line, "the UnsymParaCurve is an unsymmetric parabola, which is not read"};
        if (p.kind != "PVI" && p.kind != "ParaCurve" && p.kind != "CircCurve")
            throw ImportRefusal{p.line, "the " + p.kind + " is not read (only PVI, ParaCurve and CircCurve)"};
        std::vector<double> values;
        if (!ReadFileNumbers(p.text, values) || values.size() < 2)
            throw ImportRefusal{p.line, "the " + p.kind + " \"" + p.text + "\" is not \"station elevation\""};
        ProfilePoint point;
        point.file = &p;
        point.station = values[0] * c.units.linear;
        point.H = values[1] * c.units.elevation;
        if (!points.empty() && point.station < points.back().station)
            throw ImportRefusal{p.line, "the stations decrease at this " + p.kind};
        point.PK = Fixed(c.stations.Design(point.station), c.decimals);
        point.level = Fixed(point.H, c.decimals);
        point.along = Written(point.station, c.decimals);
        point.writtenH = ParseNumber(point.level.c_str());
        points.push_back(point);
    }
    return points;
}

// The radius of each curve between the first and the last point.
void SetRadii(const AlignmentContext& c, std::vector<ProfilePoint>& points) {
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        ProfilePoint& p = points[i];
        if (p.file->kind == "CircCurve") {
            p.Rv = AbsValue(RequiredNumber(p.file->radius, p.file->line, "the radius of the CircCurve")) *
                   c.units.linear;
        } else if (p.file->kind == "ParaCurve") {
            const double L = RequiredNumber(p.file->length, p.file->line, "the length of the ParaCurve") * c.units.linear;
            const double g1 = (p.H - points[i - 1].H) / (p.station - points[i - 1].station);
            const double g2 = (points[i + 1].H - p.H) / (points[i + 1].station - p.station);
            const double w = AbsValue(g2 - g1);
            p.Rv = w > 0 && std::isfinite(L / w) ? L / w : 0;
        }
        p.Rv = Written(p.Rv, c.decimals);
    }
}

// The tangent length of the curve at point i as the profile table computes it from
// the written levels and radius along the line; 0 at the first and last point.
double Tangent(const std::vector<ProfilePoint>& points, std::size_t i) {
    if (i == 0 || i + 1 == points.size()) return 0;
    const ProfilePoint &a = points[i - 1], &p = points[i], &b = points[i + 1];
    const double i1 = (p.writtenH - a.writtenH) / (p.along - a.along);
    const double i2 = (b.writtenH - p.writtenH) / (b.along - p.along);
    return p.Rv * AbsValue(i2 - i1) / 2;
}

// How far the curves at points a and b = a + 1 overlap; 0 or less when they do not.
double Overlap(const std::vector<ProfilePoint>& points, std::size_t a) {
    return (points[a].along + Tangent(points, a)) - (points[a + 1].along - Tangent(points, a + 1));
}

std::string CurveName(const std::vector<ProfilePoint>& points, std::size_t i) {
    if (i == 0) return "PSTART";
    if (i + 1 == points.size()) return "PEND";
    return "VP" + std::to_string(i);
}

// Touching curves made to touch without overlapping (the rule above).
void MakeTouchingCurvesTouch(const AlignmentContext& c, std::vector<ProfilePoint>& points) {
    const double unit = std::pow(10.0, -c.decimals);
    for (std::size_t a = 0; a + 1 < points.size(); ++a) {
        const double overlap = Overlap(points, a);
        if (!(overlap > 0)) continue;
        const std::string pair = "the vertical curves of " + CurveName(points, a) + " and " + CurveName(points, a + 1);
        if (overlap > MaxTouchingOverlap) {
            c.notes.push_back("! Profile of \"" + c.alignment.name + "\": " + pair + " overlap by " +
                              Fixed(overlap, 4) + " m: written as in the file");
            continue;
        }
        const double f = (points[a + 1].along - points[a].along) /
                         (Tangent(points, a) + Tangent(points, a + 1));
        for (std::size_t i : {a, a + 1}) points[i].Rv = std::floor(points[i].Rv * f / unit) * unit;
        for (int pass = 0; pass < 10 && Overlap(points, a) > 0; ++pass)
            for (std::size_t i : {a, a + 1}) points[i].Rv = std::max(0.0, points[i].Rv - unit);
        // Below a millimetre the overlap is the rounding of the file's own figures.
        if (overlap >= 1e-3)
            c.notes.push_back("! Profile of \"" + c.alignment.name + "\": " + pair + " overlapped by " +
                              Fixed(overlap, 4) + " m; their radii are reduced by " + Fixed((1 - f) * 100, 4) +
                              " % so that they touch");
    }
}
} // namespace

std::string ProfileRows(const AlignmentContext& c, std::string& profileName) {
    const std::vector<LandXmlProfAlign>& profiles = c.alignment.profAligns;
    if (profiles.empty()) return {};
    for (std::size_t i = 1; i < profiles.size(); ++i)
        c.notes.push_back("! Left out: the ProfAlign \"" + profiles[i].name + "\" on line " +
                          std::to_string(profiles[i].line) + " of \"" + c.alignment.name +
                          "\": only the first profile of an alignment is read");
    profileName = profiles.front().name;
    std::vector<ProfilePoint> points = ReadPoints(c, profiles.front());
    if (points.size() < 2) {
        c.notes.push_back("! Left out: the ProfAlign on line " + std::to_string(profiles.front().line) + " of \"" +
                          c.alignment.name + "\": it has fewer than two points");
        return {};
    }
    for (std::size_t i : {std::size_t{0}, points.size() - 1})
        if (points[i].file->kind != "PVI")
            c.notes.push_back("! Profile of \"" + c.alignment.name + "\": the " + points[i].file->kind + " on line " +
                              std::to_string(points[i].file->line) + " ends the profile and is written without its curve");
    SetRadii(c, points);
    MakeTouchingCurvesTouch(c, points);
    std::string rows = "PSTART   " + points.front().PK + "   " + points.front().level + "\r\n";
    for (std::size_t i = 1; i + 1 < points.size(); ++i)
        rows += "PVI   " + CurveName(points, i) + "   " + points[i].PK + "   " + points[i].level + "   " +
                Fixed(points[i].Rv, c.decimals) + "\r\n";
    rows += "PEND   " + points.back().PK + "   " + points.back().level + "\r\n";
    return rows;
}
