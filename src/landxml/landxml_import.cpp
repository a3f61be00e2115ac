#include "landxml/landxml_import.h"

#include <algorithm>
#include <cmath>

#include "landxml/alignment_elements.h"
#include "landxml/landxml_numbers.h"
#include "landxml/profile_rows.h"

namespace {
// The most decimals the alignment's lengths, stations, coordinates and levels are
// written with (MostDecimals when they are converted from feet), at least 3.
int AlignmentDecimals(const LandXmlAlignment& a, const ImportUnits& units) {
    if (!units.metres) return MostDecimals;
    int most = std::max(3, DecimalsOf(a.staStart));
    for (const LandXmlGeometry& g : a.elements)
        for (const std::string* text : {&g.length, &g.radius, &g.radiusStart, &g.radiusEnd, &g.start, &g.center, &g.end})
            most = std::max(most, MostDecimalsIn(*text));
    for (const LandXmlEquation& q : a.equations) most = std::max({most, DecimalsOf(q.staInternal), DecimalsOf(q.staAhead)});
    for (const LandXmlProfAlign& p : a.profAligns)
        for (const LandXmlProfilePoint& point : p.points) most = std::max(most, MostDecimalsIn(point.text));
    return std::min(most, MostDecimals);
}

std::string CantRows(const AlignmentContext& c) {
    std::string rows;
    double last = -INFINITY;
    for (const LandXmlCantStation& s : c.alignment.cant) {
        const double station = RequiredNumber(s.station, s.line, "the station of the CantStation") * c.units.linear;
        const double h = RequiredNumber(s.appliedCant, s.line, "the appliedCant of the CantStation") * c.units.cant;
        if (station < last) throw ImportRefusal{s.line, "the stations decrease at this CantStation"};
        last = station;
        rows += "CANT   " + Fixed(c.stations.Design(station), c.decimals) + "   " + Fixed(h, 4) + "\r\n";
    }
    return rows;
}

struct Counts {
    int alignments = 0, elements = 0, equations = 0;
};

// The tables of one alignment, or nothing (with a note) when it has no CoordGeom.
std::string AlignmentTables(const LandXmlFile& file, const LandXmlAlignment& a, const ImportUnits& units,
                            std::vector<std::string>& notes, Counts& counts) {
    const std::string named = "\"" + a.name + "\"";
    if (!a.hasCoordGeom || a.elements.empty()) {
        notes.push_back("! Left out: the alignment " + named + " on line " + std::to_string(a.line) +
                        (a.hasCoordGeom ? ": its CoordGeom is empty" : ": it has no CoordGeom"));
        return {};
    }
    AlignmentContext c{a, units, AlignmentDecimals(a, units), 0, 0, {}, notes};
    c.staStart = a.staStart.empty() ? 0 : RequiredNumber(a.staStart, a.line, "the staStart of the Alignment") * units.linear;
    const std::vector<FileElement> elements = ReadFileElements(c);
    if (elements.empty()) {
        notes.push_back("! Left out: the alignment " + named + " on line " + std::to_string(a.line) +
                        ": all its elements have length 0");
        return {};
    }
    c.staEnd = c.staStart;
    for (const FileElement& e : elements) c.staEnd += e.path.length;
    ReadStationEquations(c, elements);
    std::string text = ElementRows(c, elements);
    const std::string cant = CantRows(c);
    if (!cant.empty()) text.insert(text.rfind("END   "), cant);
    text = "From " + file.fileName + ": alignment " + named + ", " + units.words +
           (cant.empty() ? "" : ", " + units.cantWords) + "\r\nELEMENTS " + a.name + "\r\n" + text;
    std::string profileName;
    const std::string profile = ProfileRows(c, profileName);
    if (!profile.empty())
        text += "\r\nFrom " + file.fileName + ": profile \"" + profileName + "\" of alignment " + named + ", " +
                units.words + "\r\n" + profile;
    counts.alignments += 1;
    counts.elements += static_cast<int>(elements.size());
    counts.equations += static_cast<int>(c.stations.equations.size());
    return text + "\r\n";
}

std::string Plural(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

LandXmlImport Refused(const LandXmlFile& file, int line, const std::string& what) {
    LandXmlImport refused;
    refused.refusal = "Line " + std::to_string(line) + " of " + file.fileName + ": " + what + ".";
    return refused;
}
} // namespace

LandXmlImport ImportLandXml(const LandXmlFile& file) {
    if (!file.readError.empty()) return Refused(file, file.readErrorLine, file.readError);
    if (file.rootName != "LandXML")
        return Refused(file, 1, "the file is not LandXML (its root element is " + file.rootName + ")");
    ImportUnits units;
    std::string unitRefusal;
    if (!ReadImportUnits(file.units, units, unitRefusal)) return Refused(file, file.units.line, unitRefusal);
    std::vector<std::string> notes;
    Counts counts;
    LandXmlImport import;
    import.text = "\r\n";
    try {
        for (const LandXmlAlignment& a : file.alignments) import.text += AlignmentTables(file, a, units, notes, counts);
    } catch (const ImportRefusal& refusal) {
        return Refused(file, refusal.line, refusal.what);
    }
    import.text += "Import of LandXML " + file.fileName + ": " + Plural(counts.alignments, "alignment", "alignments") +
                   " read, " + Plural(counts.elements, "element", "elements") + ", " +
                   Plural(counts.equations, "station equation", "station equations") + "\r\n";
    if (file.alignments.empty()) notes.push_back("! The file holds no Alignment");
    for (const std::string& note : notes) import.text += note + "\r\n";
    import.alignments = counts.alignments, import.elements = counts.elements, import.equations = counts.equations;
    return import;
}
