#include "landxml/landxml_export.h"

#include <cmath>

#include "landxml/track_path.h"
#include "numeric/arithmetic.h"
#include "numeric/number_formats.h"
#include "version.h"

namespace {
std::string Number(double x, int decimals = ExportDecimals) {
    const std::string text = FormatFixed(x, decimals);
    // A value that rounds to zero is written without a sign.
    return text.find_first_not_of("-0.") == std::string::npos ? FormatFixed(0.0, decimals) : text;
}

// "northing easting": X (north) first.
std::string Point(double Y, double X) {
    return Number(X) + " " + Number(Y);
}

XmlElement Named(const char* name, std::vector<XmlAttribute> attributes = {}, std::string text = {}) {
    return {name, std::move(attributes), std::move(text), {}};
}

const char* Rot(double k) {
    return k > 0 ? "cw" : "ccw";
}

std::string Radius(double k) {
    return k == 0 ? std::string("INF") : Number(1 / AbsValue(k));
}

// The point at distance `along` from (Y, X) in the direction angle.
void Advance(double& Y, double& X, double direction, double along) {
    Y += along * std::sin(direction);
    X += along * std::cos(direction);
}

XmlElement CoordGeomElement(const ExportElement& e) {
    const std::vector<XmlElement> ends = {Named("Start", {}, Point(e.Y, e.X)), Named("End", {}, Point(e.endY, e.endX))};
    if (e.kind == ExportKind::Line) {
        XmlElement line = Named("Line", {{"length", Number(e.length)}});
        line.children = ends;
        return line;
    }
    // The start tangent from the chord, as the import computes it back.
    const TrackPath shape{0, 0, 0, e.length, e.k1, e.k2};
    const double start = ChordStartDirection(shape, e.endY - e.Y, e.endX - e.X);
    if (e.kind == ExportKind::Curve) {
        double Y = e.Y, X = e.X;
        Advance(Y, X, TurnedDirection(start, (e.k1 > 0 ? 0.5 : -0.5) * PiTimes(1)), 1 / AbsValue(e.k1));
        XmlElement curve =
            Named("Curve", {{"rot", Rot(e.k1)}, {"length", Number(e.length)}, {"radius", Radius(e.k1)}});
        curve.children = {ends[0], Named("Center", {}, Point(Y, X)), ends[1]};
        return curve;
    }
    // The PI where the tangents at both ends meet (the chord's middle where they are
    // parallel, as on a spiral that turns back as far as it turned).
    const double end = start + (e.k1 + e.k2) / 2 * e.length;
    const double uY = std::sin(start), uX = std::cos(start), vY = std::sin(end), vX = std::cos(end);
    const double cross = uY * vX - uX * vY;
    double Y = e.Y, X = e.X;
    if (AbsValue(cross) > 1e-12) {
        const double t = ((e.endY - e.Y) * vX - (e.endX - e.X) * vY) / cross;
        Y += t * uY, X += t * uX;
    } else {
        Y = (e.Y + e.endY) / 2, X = (e.X + e.endX) / 2;
    }
    XmlElement spiral = Named("Spiral", {{"length", Number(e.length)},
                                         {"radiusEnd", Radius(e.k2)},
                                         {"radiusStart", Radius(e.k1)},
                                         {"rot", Rot(e.k2 != 0 ? e.k2 : e.k1)},
                                         {"spiType", "clothoid"}});
    spiral.children = {ends[0], Named("PI", {}, Point(Y, X)), ends[1]};
    return spiral;
}

XmlElement ProfileElement(const ExportAlignment& a) {
    XmlElement profAlign = Named("ProfAlign", {{"name", a.name}});
    for (std::size_t i = 0; i < a.profile.size(); ++i) {
        const ExportProfilePoint& p = a.profile[i];
        const std::string text = Number(p.internal) + " " + Number(p.H);
        const bool curve = p.curveLength > 0 && i > 0 && i + 1 < a.profile.size();
        profAlign.children.push_back(curve ? Named("ParaCurve", {{"length", Number(p.curveLength)}}, text)
                                           : Named("PVI", {}, text));
    }
    XmlElement profile = Named("Profile", {{"name", a.name}});
    profile.children.push_back(std::move(profAlign));
    return profile;
}
} // namespace

XmlElement LandXmlDocument(const ExportAlignment& a, const ExportStamp& stamp) {
    XmlElement alignment = Named("Alignment");
    XmlElement coordGeom = Named("CoordGeom");
    double length = 0;
    for (const ExportElement& e : a.elements) {
        coordGeom.children.push_back(CoordGeomElement(e));
        length += e.length;
    }
    alignment.attributes = {{"name", a.name}, {"length", Number(length)}, {"staStart", Number(a.staStart)}};
    alignment.children.push_back(std::move(coordGeom));
    for (const ExportEquation& q : a.equations)
        alignment.children.push_back(Named(
            "StaEquation", {{"staAhead", Number(q.ahead)}, {"staBack", Number(q.back)}, {"staInternal", Number(q.internal)}}));
    if (!a.profile.empty()) alignment.children.push_back(ProfileElement(a));
    if (!a.cant.empty()) {
        XmlElement cant = Named("Cant", {{"name", a.name}, {"gauge", ExportGauge}});
        for (const ExportCant& c : a.cant)
            cant.children.push_back(Named("CantStation", {{"station", Number(c.internal)},
                                                          {"appliedCant", Number(c.h, 4)},
                                                          {"curvature", c.right ? "cw" : "ccw"}}));
        alignment.children.push_back(std::move(cant));
    }
    XmlElement alignments = Named("Alignments");
    alignments.children.push_back(std::move(alignment));
    XmlElement root = Named("LandXML", {{"xmlns", "http://www.landxml.org/schema/LandXML-1.2"},
                                        {"date", stamp.date},
                                        {"time", stamp.time},
                                        {"version", "1.2"}});
    XmlElement units = Named("Units");
    units.children.push_back(Named("Metric", {{"areaUnit", "squareMeter"},
                                              {"linearUnit", "meter"},
                                              {"volumeUnit", "cubicMeter"},
                                              {"temperatureUnit", "celsius"},
                                              {"pressureUnit", "milliBars"},
                                              {"angularUnit", "decimal degrees"},
                                              {"directionUnit", "decimal degrees"}}));
    root.children = {std::move(units),
                     Named("Application", {{"name", "Quarel Editor"}, {"version", QUAREL_VERSION_TEXT}}),
                     std::move(alignments)};
    return root;
}
