#include "landxml/landxml_walk.h"

#include <algorithm>

namespace {
std::string Value(const std::vector<XmlAttribute>& attributes, const char* name) {
    for (const XmlAttribute& a : attributes)
        if (a.name == name) return a.value;
    return {};
}

} // namespace

void LandXmlWalk::StartElement(const std::string& name, int line, const std::vector<XmlAttribute>& at, bool empty) {
    text_ = nullptr;
    // Within an Alignment, its elements go to the one read last.
    const bool within = std::find(open_.begin(), open_.end(), "Alignment") != open_.end();
    LandXmlAlignment* alignment = within ? &file_.alignments.back() : nullptr;
    if (open_.empty()) {
        file_.rootName = name;
    } else if ((name == "Metric" || name == "Imperial") && Parent() == "Units") {
        file_.units = {name, Value(at, "linearUnit"), Value(at, "elevationUnit"), line};
    } else if (name == "Alignment") {
        LandXmlAlignment a;
        a.name = Value(at, "name"), a.line = line, a.staStart = Value(at, "staStart"), a.length = Value(at, "length");
        file_.alignments.push_back(a);
    } else if (alignment != nullptr && name == "CoordGeom" && Parent() == "Alignment") {
        alignment->hasCoordGeom = true;
    } else if (alignment != nullptr && Parent() == "CoordGeom" && name != "Feature") {
        LandXmlGeometry g;
        g.kind = name, g.line = line, g.length = Value(at, "length"), g.radius = Value(at, "radius");
        g.rot = Value(at, "rot"), g.spiType = Value(at, "spiType"), g.radiusStart = Value(at, "radiusStart");
        g.radiusEnd = Value(at, "radiusEnd"), g.staStart = Value(at, "staStart");
        alignment->elements.push_back(g);
    } else if (alignment != nullptr && Parent(2) == "CoordGeom" && !alignment->elements.empty()) {
        text_ = PointOf(alignment->elements.back(), name);
    } else if (alignment != nullptr && name == "StaEquation" && Parent() == "Alignment") {
        alignment->equations.push_back(
            {line, Value(at, "staInternal"), Value(at, "staAhead"), Value(at, "staBack"), Value(at, "staIncrement")});
    } else if (alignment != nullptr && name == "ProfAlign" && Parent() == "Profile") {
        alignment->profAligns.push_back({Value(at, "name"), line, {}});
    } else if (alignment != nullptr && Parent() == "ProfAlign" && name != "Feature" && !alignment->profAligns.empty()) {
        alignment->profAligns.back().points.push_back({name, line, {}, Value(at, "length"), Value(at, "radius")});
        text_ = &alignment->profAligns.back().points.back().text;
    } else if (alignment != nullptr && name == "CantStation" && Parent() == "Cant") {
        alignment->cant.push_back({line, Value(at, "station"), Value(at, "appliedCant")});
    }
    if (!empty) open_.push_back(name);
}


namespace {
void WalkElement(LandXmlWalk& walk, const XmlElement& e, int& line) {
    const bool empty = e.text.empty() && e.children.empty();
    walk.StartElement(e.name, ++line, e.attributes, empty);
    if (!e.text.empty()) walk.Text(e.text);
    for (const XmlElement& child : e.children)
        WalkElement(walk, child, line);
    if (!empty) walk.EndElement();
}
} // namespace

LandXmlFile WalkXmlElements(const XmlElement& root, const std::string& fileName) {
    LandXmlFile file;
    file.fileName = fileName;
    LandXmlWalk walk(file);
    int line = 0;
    WalkElement(walk, root, line);
    return file;
}
