#include "landxml/alignment_elements.h"

#include <cmath>

#include "landxml/landxml_numbers.h"
#include "numeric/arithmetic.h"
#include "text/text_ops.h"

namespace {
// Two stations or points this close are one: the gap the element table passes over.
constexpr double SamePlace = 1e-3;

struct PlanePoint {
    double Y, X;
};

// A point text "northing easting [elevation]", in metres.
PlanePoint ReadPoint(const std::string& text, const LandXmlGeometry& g, const char* which, double metres) {
    std::vector<double> values;
    if (text.empty()) {
        if (!g.pi.empty() && g.start.empty())
            throw ImportRefusal{g.line, "the " + g.kind + " is given only by its PI"};
        throw ImportRefusal{g.line, "the " + g.kind + " has no " + which + " coordinates"};
    }
    if (!ReadFileNumbers(text, values) || values.size() < 2)
        throw ImportRefusal{g.line, "the " + std::string(which) + " of the " + g.kind + " \"" + text +
                                        "\" is not \"northing easting\""};
    return {values[1] * metres, values[0] * metres};
}

// +1 for "cw" (curving right), -1 for "ccw".
double Hand(const LandXmlGeometry& g) {
    if (g.rot == "cw") return 1;
    if (g.rot == "ccw") return -1;
    throw ImportRefusal{g.line, "the " + g.kind + " has no rot (cw or ccw)"};
}

// A spiral's radius at one end: INF or 0 for none (returned 0).
double SpiralRadius(const LandXmlGeometry& g, const std::string& text, const char* which, double metres) {
    if (text.empty() || text == "INF" || text == "inf" || text == "Infinity") return 0;
    return AbsValue(RequiredNumber(text, g.line, std::string("the ") + which + " of the Spiral")) * metres;
}

double Length(const LandXmlGeometry& g, double metres) {
    return RequiredNumber(g.length, g.line, "the length of the " + g.kind) * metres;
}

void ReadLine(const LandXmlGeometry& g, PlanePoint start, PlanePoint end, double metres, FileElement& e) {
    e.kind = "STRAIGHT";
    e.path.length = g.length.empty() ? std::hypot(end.Y - start.Y, end.X - start.X) : Length(g, metres);
    e.path.azimuth = DirectionAngle(end.Y - start.Y, end.X - start.X);
}

void ReadCurve(const LandXmlGeometry& g, PlanePoint start, PlanePoint end, double metres, FileElement& e) {
    const PlanePoint center = ReadPoint(g.center, g, "Center", metres);
    const double hand = Hand(g);
    const double R = g.radius.empty() ? std::hypot(start.Y - center.Y, start.X - center.X)
                                      : AbsValue(RequiredNumber(g.radius, g.line, "the radius of the Curve")) * metres;
    if (!(R > 0)) throw ImportRefusal{g.line, "the Curve has no radius"};
    // The tangent is perpendicular to the radius from the centre to the start,
    // turned toward the way the curve runs round its centre.
    const double radial = DirectionAngle(start.Y - center.Y, start.X - center.X);
    e.kind = "ARC";
    e.path.azimuth = TurnedDirection(radial, hand * PiTimes(0.5));
    e.R1 = e.R2 = hand * R;
    e.path.k1 = e.path.k2 = hand / R;
    if (!g.length.empty()) {
        e.path.length = Length(g, metres);
    } else {
        // The turn from the start radius to the end radius the way the curve runs.
        const double toEnd = DirectionAngle(end.Y - center.Y, end.X - center.X);
        double sweep = TurnedDirection(hand * (toEnd - radial), 0);
        if (sweep == 0) sweep = PiTimes(2);
        e.path.length = R * sweep;
    }
}

void ReadSpiral(const LandXmlGeometry& g, PlanePoint start, PlanePoint end, double metres, FileElement& e) {
    if (!g.spiType.empty() && g.spiType != "clothoid")
        throw ImportRefusal{g.line, "the Spiral is a " + g.spiType + ", not a clothoid"};
    const double hand = Hand(g);
    const double R1 = SpiralRadius(g, g.radiusStart, "radiusStart", metres);
    const double R2 = SpiralRadius(g, g.radiusEnd, "radiusEnd", metres);
    e.kind = "SPIRAL";
    e.R1 = hand * R1, e.R2 = hand * R2;
    e.path.k1 = R1 == 0 ? 0 : hand / R1;
    e.path.k2 = R2 == 0 ? 0 : hand / R2;
    e.path.length = Length(g, metres);
    if (!(e.path.length > 0)) return;
    // The clothoid's shape is fixed by its length and end curvatures: laid from the
    // origin heading north, its chord turns off its start tangent by a known angle,
    // and the file's chord from Start to End then gives the start tangent.
    e.path.azimuth = ChordStartDirection(e.path, end.Y - start.Y, end.X - start.X);
}
} // namespace

std::vector<FileElement> ReadFileElements(AlignmentContext& context) {
    const double metres = context.units.linear;
    std::vector<FileElement> elements;
    double lastStaStart = -INFINITY;
    for (const LandXmlGeometry& g : context.alignment.elements) {
        if (g.kind != "Line" && g.kind != "Curve" && g.kind != "Spiral")
            throw ImportRefusal{g.line, "the " + g.kind + " is not read (only Line, Curve and Spiral)"};
        // Elements' own stations (design stations with some writers) may step back at
        // an equation; without one they must not.
        if (!g.staStart.empty() && context.alignment.equations.empty()) {
            const double sta = RequiredNumber(g.staStart, g.line, "the staStart of the " + g.kind);
            if (sta < lastStaStart) throw ImportRefusal{g.line, "the stations decrease at this " + g.kind};
            lastStaStart = sta;
        }
        FileElement e;
        e.line = g.line;
        e.fileKind = g.kind == "Line" ? "Line" : g.kind == "Curve" ? "Curve" : "Spiral";
        const PlanePoint start = ReadPoint(g.start, g, "Start", metres);
        const PlanePoint end = ReadPoint(g.end, g, "End", metres);
        if (g.kind == "Line") ReadLine(g, start, end, metres, e);
        else if (g.kind == "Curve") ReadCurve(g, start, end, metres, e);
        else ReadSpiral(g, start, end, metres, e);
        e.path.Y = start.Y, e.path.X = start.X;
        e.endY = end.Y, e.endX = end.X;
        if (!(e.path.length > 0)) {
            context.notes.push_back("! Left out: the " + g.kind + " on line " + std::to_string(g.line) +
                                    " of \"" + context.alignment.name + "\": its length is 0");
            continue;
        }
        const TrackPathPoint computed = PointAlong(e.path, e.path.length);
        const double miss = std::hypot(computed.Y - end.Y, computed.X - end.X);
        if (miss > SamePlace)
            context.notes.push_back("! The " + g.kind + " on line " + std::to_string(g.line) + " of \"" +
                                    context.alignment.name + "\" ends " + Fixed(miss, 4) +
                                    " m from its End in the file (its length or radii do not fit its points)");
        elements.push_back(e);
    }
    return elements;
}

void ReadStationEquations(AlignmentContext& context, const std::vector<FileElement>& elements) {
    double last = -INFINITY;
    for (const LandXmlEquation& q : context.alignment.equations) {
        const double metres = context.units.linear;
        StationEquation e{RequiredNumber(q.staInternal, q.line, "the staInternal of the StaEquation") * metres,
                          RequiredNumber(q.staAhead, q.line, "the staAhead of the StaEquation") * metres, q.line};
        if (q.staIncrement == "decreasing")
            throw ImportRefusal{q.line, "the StaEquation makes the stations decrease"};
        if (!(e.internal > last)) throw ImportRefusal{q.line, "the stations of the StaEquations decrease"};
        last = e.internal;
        if (!(e.internal >= context.staStart - SamePlace && e.internal < context.staEnd - SamePlace)) {
            context.notes.push_back("! Left out: the StaEquation on line " + std::to_string(q.line) + " of \"" +
                                    context.alignment.name + "\": internal station " + q.staInternal +
                                    " lies outside the alignment");
            continue;
        }
        // Onto a joint within 1 mm of it, so that no sliver of an element is written.
        double joint = context.staStart;
        for (const FileElement& element : elements) {
            if (std::abs(e.internal - joint) <= SamePlace) e.internal = joint;
            joint += element.path.length;
        }
        context.stations.equations.push_back(e);
    }
}

namespace {
// The signed radius at distance s along an element, 0 for none: a part of a clothoid
// starts and ends at the radii where it is cut.
double RadiusAt(const FileElement& e, double s) {
    if (s == 0) return e.R1;
    if (s == e.path.length) return e.R2;
    const double k = CurvatureAlong(e.path, s);
    return k == 0 ? 0 : 1 / k;
}

// A row of one element, or of the part of one from `from` to `to` along it.
std::string Row(const AlignmentContext& c, const FileElement& e, double internalStart, double from, double to) {
    const int n = c.decimals;
    const TrackPathPoint start = from == 0 ? TrackPathPoint{e.path.Y, e.path.X, e.path.azimuth} : PointAlong(e.path, from);
    std::string row = JoinText({e.kind, "   ", Fixed(c.stations.Design(internalStart + from), n).c_str(), "   ",
                                Fixed(start.Y, n).c_str(), "   ", Fixed(start.X, n).c_str(), "   ",
                                Fixed(start.azimuth * 180 / PiTimes(1), 10).c_str(), "   ",
                                Fixed(to - from, n).c_str()});
    if (std::string(e.kind) == "ARC") row += "   " + Fixed(e.R1, n);
    if (std::string(e.kind) == "SPIRAL")
        row += "   " + Fixed(RadiusAt(e, from), n) + "   " + Fixed(RadiusAt(e, to), n);
    return row + "\r\n";
}
} // namespace

std::string ElementRows(const AlignmentContext& c, const std::vector<FileElement>& elements) {
    std::string rows;
    double internal = c.staStart;
    for (const FileElement& e : elements) {
        double from = 0;
        for (const StationEquation& q : c.stations.equations) {
            // Compared as stations: an equation on the joint at the element's end
            // (internal + length, as the joints are summed) is not inside it, though
            // its distance from the start may round below the length.
            const double at = q.internal - internal;
            if (q.internal > internal + from && q.internal < internal + e.path.length) {
                rows += Row(c, e, internal, from, at);
                from = at;
            }
        }
        rows += Row(c, e, internal, from, e.path.length);
        internal += e.path.length;
    }
    const FileElement& last = elements.back();
    rows += JoinText({"END   ", Fixed(c.stations.Design(internal), c.decimals).c_str(), "   ",
                      Fixed(last.endY, c.decimals).c_str(), "   ", Fixed(last.endX, c.decimals).c_str(), "\r\n"});
    return rows;
}
