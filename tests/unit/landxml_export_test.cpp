// Export of the line read and its profile as LandXML: the figures of a small design
// written where they belong (the arc's centre, the equation, the parabola's length,
// the cant's hand), generated element tables read back by the import as the same
// table and written again as the same file (an IP table's line is exported in the
// shell scenario).
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "landxml/landxml_export.h"
#include "landxml/landxml_import.h"
#include "landxml/landxml_walk.h"
#include "landxml/track_path.h"
#include "numeric/number_formats.h"
#include "route/ip_line.h"
#include "route/landxml_export_line.h"
#include "route/route_elements.h"
#include "route/route_profile.h"
#include "text/selected_lines.h"

namespace {

const ExportStamp Stamp{"2024-05-31", "14:05:09"};

// The LandXML of the line and the profile the text's tables give.
XmlElement Exported(const std::string& text) {
    const std::vector<TextLine> lines = SelectedLines(text, 0, text.size());
    const RouteElements line = ReadRouteElements(lines);
    EXPECT_TRUE(line.line.has_value()) << line.report;
    if (!line.line) return {};
    const RouteProfile profile = ReadRouteProfile(lines);
    return LandXmlDocument(ExportedLine(*line.line, profile.profile ? &*profile.profile : nullptr), Stamp);
}

// The text the import appends for a written file.
std::string Imported(const XmlElement& root) {
    const LandXmlImport import = ImportLandXml(WalkXmlElements(root, "out.xml"));
    EXPECT_EQ(import.refusal, "");
    return import.text;
}

// The element at the path of names (each the first of its name, or the n-th as "Name#n").
const XmlElement* At(const XmlElement& root, const std::vector<std::string>& path) {
    const XmlElement* e = &root;
    for (const std::string& step : path) {
        const std::size_t hash = step.find('#');
        const std::string name = step.substr(0, hash);
        int skip = hash == std::string::npos ? 0 : std::stoi(step.substr(hash + 1));
        const XmlElement* found = nullptr;
        for (const XmlElement& child : e->children)
            if (child.name == name && skip-- == 0) {
                found = &child;
                break;
            }
        if (found == nullptr) return nullptr;
        e = found;
    }
    return e;
}

std::string Value(const XmlElement* e, const std::string& attribute) {
    if (e == nullptr) return "(no element)";
    if (attribute.empty()) return e->text;
    for (const XmlAttribute& a : e->attributes)
        if (a.name == attribute) return a.value;
    return "(no " + attribute + ")";
}

// A straight east, a quarter circle to the right (R 100, centre 100 m south of its
// start), an equation, a straight south; cant on the arc; a profile with a curve.
const std::string Design = "ELEMENTS Main\r\n"
                           "STRAIGHT 1000 5000 2000 90 100\r\n"
                           "ARC 1100 5100 2000 90 157.07963268 100\r\n"
                           "CANT 1100 0\r\n"
                           "CANT 1150 80\r\n"
                           "STRAIGHT 2000 5200 1900 180 50\r\n"
                           "END 2050 5200 1850\r\n"
                           "PSTART 1000 10\r\n"
                           "PVI VP1 1100 11 2000\r\n"
                           "PEND 2050 10.5\r\n";

TEST(LandXmlExport, DesignFiguresWhereTheyBelong) {
    const XmlElement root = Exported(Design);
    const std::vector<std::string> alignment = {"Alignments", "Alignment"};
    const auto in = [&](std::vector<std::string> path) {
        path.insert(path.begin(), alignment.begin(), alignment.end());
        return At(root, path);
    };
    struct Case {
        const XmlElement* element;
        const char* attribute; // "" for the text
        const char* expected;
    } cases[] = {
        {At(root, {}), "version", "1.2"},
        {At(root, {}), "date", "2024-05-31"},
        {At(root, {"Units", "Metric"}), "linearUnit", "meter"},
        {At(root, {"Application"}), "name", "Quarel Editor"},
        {in({}), "name", "Main"},
        {in({}), "staStart", "1000.00000000"},
        {in({}), "length", "307.07963268"},
        {in({"CoordGeom", "Line", "Start"}), "", "2000.00000000 5000.00000000"},
        {in({"CoordGeom", "Line", "End"}), "", "2000.00000000 5100.00000000"},
        {in({"CoordGeom", "Curve"}), "rot", "cw"},
        {in({"CoordGeom", "Curve"}), "radius", "100.00000000"},
        {in({"CoordGeom", "Curve", "Center"}), "", "1900.00000000 5100.00000000"},
        {in({"CoordGeom", "Curve", "End"}), "", "1900.00000000 5200.00000000"},
        {in({"CoordGeom", "Line#1"}), "length", "50.00000000"},
        {in({"CoordGeom", "Line#1", "End"}), "", "1850.00000000 5200.00000000"},
        {in({"StaEquation"}), "staInternal", "1257.07963268"},
        {in({"StaEquation"}), "staBack", "1257.07963268"},
        {in({"StaEquation"}), "staAhead", "2000.00000000"},
        {in({"Profile", "ProfAlign", "PVI"}), "", "1000.00000000 10.00000000"},
        // Rv |i2 - i1| = 2000 (1/100 + 0.5/207.07963268) along the line, across the equation.
        {in({"Profile", "ProfAlign", "ParaCurve"}), "length", "24.82906014"},
        {in({"Profile", "ProfAlign", "ParaCurve"}), "", "1100.00000000 11.00000000"},
        // PEND beyond the equation, at its internal station.
        {in({"Profile", "ProfAlign", "PVI#1"}), "", "1307.07963268 10.50000000"},
        {in({"Cant", "CantStation#1"}), "station", "1150.00000000"},
        {in({"Cant", "CantStation#1"}), "appliedCant", "80.0000"},
        {in({"Cant", "CantStation#1"}), "curvature", "cw"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Value(c.element, c.attribute), c.expected) << (c.element ? c.element->name : "") << " " << c.attribute;
}

std::string Text8(double x) {
    return FormatFixed(x, 8);
}

// The fields of the element, cant and END rows of a text, each row's word first;
// the direction (AZ) left out, as the import computes it again from the points.
std::vector<std::vector<std::string>> Rows(const std::string& text, std::vector<double>& directions) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::vector<std::string> row;
        for (std::string field; fields >> field;)
            row.push_back(field);
        if (row.empty() || (row[0] != "STRAIGHT" && row[0] != "ARC" && row[0] != "SPIRAL" && row[0] != "CANT" &&
                            row[0] != "END" && row[0] != "PSTART" && row[0] != "PEND"))
            continue;
        if (row[0] == "STRAIGHT" || row[0] == "ARC" || row[0] == "SPIRAL") {
            directions.push_back(std::stod(row[4]));
            row.erase(row.begin() + 4);
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(LandXmlExport, GeneratedTablesComeBackAndAreWrittenAgainTheSame) {
    std::mt19937 random(1034);
    const auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); };
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        // A chain of straights, arcs and clothoids, each from the computed end of
        // the one before; now and then an equation at a joint; cant; a profile.
        TrackPath at{uniform(-1e5, 7e6), uniform(-1e5, 7e6), uniform(0, 6.28), 0, 0, 0};
        double PK = std::round(uniform(0, 20000)), k = 0;
        const double first = PK;
        std::string table = "ELEMENTS G" + std::to_string(round) + "\r\n", cant;
        for (int i = 0; i < 10; ++i) {
            const int kind = static_cast<int>(uniform(0, 3));
            const double hand = uniform(0, 1) < 0.5 ? -1 : 1;
            TrackPath e = at;
            e.length = std::round(uniform(20, 400) * 1e4) / 1e4;
            const double R = std::round(uniform(150, 4000));
            e.k1 = kind == 0 ? 0 : kind == 1 ? hand / R : k;
            // A clothoid from straight to arc, from arc to straight, or between two
            // arcs of one hand.
            const double towards = uniform(0, 1) < 0.5 ? 0 : k * std::round(uniform(0.3, 0.8) * 10) / 10;
            e.k2 = kind == 0 ? 0 : kind == 1 ? hand / R : (k == 0 ? hand / R : towards);
            const char* word = kind == 0 ? "STRAIGHT" : kind == 1 ? "ARC" : "SPIRAL";
            table += std::string(word) + " " + Text8(PK) + " " + Text8(e.Y) + " " + Text8(e.X) + " " +
                     FormatFixed(e.azimuth * 180 / 3.141592653589793, 10) + " " + Text8(e.length);
            const auto radius = [](double curvature) { return Text8(curvature == 0 ? 0 : 1 / curvature); };
            if (kind == 1) table += " " + radius(e.k1);
            if (kind == 2) table += " " + radius(e.k1) + " " + radius(e.k2);
            table += "\r\n";
            if (kind != 0) cant += "CANT " + Text8(PK + e.length / 2) + " " + FormatFixed(std::round(uniform(0, 150)), 4) + "\r\n";
            const TrackPathPoint end = PointAlong(e, e.length);
            at.Y = std::round(end.Y * 1e8) / 1e8, at.X = std::round(end.X * 1e8) / 1e8, at.azimuth = end.azimuth;
            k = e.k2;
            PK += e.length;
            if (i < 9 && uniform(0, 1) < 0.2) PK = std::round(PK + uniform(1, 500));
        }
        table += cant + "END " + Text8(PK) + " " + Text8(at.Y) + " " + Text8(at.X) + "\r\n";
        table += "PSTART " + Text8(first) + " " + Text8(100) + "\r\nPVI VP1 " + Text8(first + 5) + " 100.05 500\r\nPEND " +
                 Text8(first + 19) + " " + Text8(100) + "\r\n";

        const XmlElement written = Exported(table);
        const std::string imported = Imported(written);
        std::vector<double> given, read;
        // The table comes back: every field as written, directions to 1e-7 degree.
        EXPECT_EQ(Rows(imported, read), Rows(table, given)) << imported;
        ASSERT_EQ(read.size(), given.size());
        for (std::size_t i = 0; i < read.size(); ++i)
            EXPECT_NEAR(std::remainder(read[i] - given[i], 360.0), 0, 1e-7) << i;
        // Written again from what was read, the file is the same.
        EXPECT_EQ(Exported(imported), written);
    }
}

} // namespace
