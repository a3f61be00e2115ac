// Import of LandXML from the plain data the XML reader hands over: a small design
// written out whole (an equation inside an arc, cant, a profile); the units; every
// refusal; what is left out; touching vertical curves read by the profile table; and
// generated alignments whose rows reproduce every element to 1e-6 m, computed again
// by an integration of the test's own.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "landxml/landxml_import.h"
#include "route/route_elements.h"
#include "text/selected_lines.h"
#include "route/profile_table_reader.h"
#include "route/vertical_profile.h"
#include "selection_lines.h"
#include "text/selected_lines.h"

namespace {

LandXmlGeometry Element(const char* kind, int line, const char* start, const char* end, const char* length) {
    LandXmlGeometry g;
    g.kind = kind, g.line = line, g.start = start, g.end = end, g.length = length;
    return g;
}

// Alignment "Main" from internal station 1000: a straight east, then a right arc of
// R 100 a quarter of a circle long with an equation 100 m into it; cant; a profile
// of a parabola and a circular curve.
LandXmlFile SmallDesign() {
    LandXmlFile file;
    file.fileName = "main.xml";
    file.rootName = "LandXML";
    file.units = {"Metric", "meter", "", 3};
    LandXmlAlignment a;
    a.name = "Main", a.line = 5, a.staStart = "1000.000", a.hasCoordGeom = true;
    a.elements.push_back(Element("Line", 7, "1000.000 2000.000 0", "1000.000 2100.000 0", "100.000"));
    LandXmlGeometry arc = Element("Curve", 11, "1000.000 2100.000", "900.000 2200.000", "157.080");
    arc.center = "900.000 2100.000", arc.rot = "cw", arc.radius = "100.000";
    a.elements.push_back(arc);
    a.equations.push_back({6, "1200.000", "1300.000", "", ""});
    a.profAligns.push_back({"Main levels",
                            20,
                            {{"PVI", 21, "1000.000 100.000", "", ""},
                             {"ParaCurve", 22, "1100.000 101.000", "40.000", ""},
                             {"CircCurve", 23, "1200.000 100.000", "", "-2000.000"},
                             {"PVI", 24, "1257.080 100.571", "", ""}}});
    a.cant = {{30, "1050.000", "0"}, {31, "1100.000", "60"}, {32, "1250.000", "60"}};
    file.alignments.push_back(a);
    return file;
}

TEST(LandXmlImport, SmallDesignWrittenWhole) {
    const LandXmlImport import = ImportLandXml(SmallDesign());
    ASSERT_EQ(import.refusal, "");
    EXPECT_EQ(import.text, "\r\n"
                           "From main.xml: alignment \"Main\", units metre, cant in mm\r\n"
                           "ELEMENTS Main\r\n"
                           "STRAIGHT   1000.000   2000.000   1000.000   90.0000000000   100.000\r\n"
                           "ARC   1100.000   2100.000   1000.000   90.0000000000   100.000   100.000\r\n"
                           "ARC   1300.000   2184.147   954.030   147.2957795131   57.080   100.000\r\n"
                           "CANT   1050.000   0.0000\r\n"
                           "CANT   1100.000   60.0000\r\n"
                           "CANT   1350.000   60.0000\r\n"
                           "END   1357.080   2200.000   900.000\r\n"
                           "\r\n"
                           "From main.xml: profile \"Main levels\" of alignment \"Main\", units metre\r\n"
                           "PSTART   1000.000   100.000\r\n"
                           "PVI   VP1   1100.000   101.000   2000.000\r\n"
                           "PVI   VP2   1300.000   100.000   2000.000\r\n"
                           "PEND   1357.080   100.571\r\n"
                           "\r\n"
                           "Import of LandXML main.xml: 1 alignment read, 2 elements, 1 station equation\r\n");
}

// One straight of 100 units and one cant station of 2.5 units, in each unit read.
TEST(LandXmlImport, UnitsConvertedToMetresAndMillimetres) {
    const struct {
        LandXmlUnits units;
        const char* words;
        const char* straight;
        const char* cant;
    } cases[] = {
        {{"Metric", "meter", "", 2}, "units metre, cant in mm",
         "STRAIGHT   10.000   0.000   0.000   90.0000000000   100.000", "CANT   12.500   2.5000"},
        {{"Imperial", "foot", "", 2}, "units foot (0.3048 m), written in metres, cant in inches, written in mm",
         "STRAIGHT   3.04800000   0.00000000   0.00000000   90.0000000000   30.48000000", "CANT   3.81000000   63.5000"},
        // Levels in "feet", as design software writes it beside linearUnit "foot".
        {{"Imperial", "foot", "feet", 2}, "units foot (0.3048 m), written in metres, cant in inches, written in mm",
         "STRAIGHT   3.04800000   0.00000000   0.00000000   90.0000000000   30.48000000", "CANT   3.81000000   63.5000"},
        {{"Imperial", "USSurveyFoot", "", 2},
         "units US survey foot (1200/3937 m), written in metres, cant in inches, written in mm",
         "STRAIGHT   3.04800610   0.00000000   0.00000000   90.0000000000   30.48006096", "CANT   3.81000762   63.5000"},
        {{"Metric", "meter", "foot", 2}, "units metre, levels in foot (0.3048 m), written in metres, cant in mm",
         "STRAIGHT   10.00000000   0.00000000   0.00000000   90.0000000000   100.00000000",
         "CANT   12.50000000   2.5000"},
        {{}, "no Units in the file: read as metres, cant in mm",
         "STRAIGHT   10.000   0.000   0.000   90.0000000000   100.000", "CANT   12.500   2.5000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words);
        LandXmlFile file;
        file.fileName = "u.xml", file.rootName = "LandXML", file.units = c.units;
        LandXmlAlignment a;
        a.name = "U", a.staStart = "10", a.hasCoordGeom = true;
        a.elements.push_back(Element("Line", 4, "0 0", "0 100", "100"));
        a.cant.push_back({5, "12.5", "2.5"});
        file.alignments.push_back(a);
        const std::string text = ImportLandXml(file).text;
        EXPECT_NE(text.find(std::string("alignment \"U\", ") + c.words + "\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find(std::string(c.straight) + "\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find(std::string(c.cant) + "\r\n"), std::string::npos) << text;
    }
}

// Each refusal names the file's line and what is wrong; nothing is imported.
TEST(LandXmlImport, RefusalsNameTheLineAndTheElement) {
    const struct {
        std::function<void(LandXmlFile&)> spoil;
        const char* refusal;
    } cases[] = {
        {[](LandXmlFile& f) { f.readError = "the file is not well-formed XML (XmlLite error 0xC00CEE2D)", f.readErrorLine = 9; },
         "Line 9 of main.xml: the file is not well-formed XML (XmlLite error 0xC00CEE2D)."},
        {[](LandXmlFile& f) { f.rootName = "svg"; }, "Line 1 of main.xml: the file is not LandXML (its root element is svg)."},
        {[](LandXmlFile& f) { f.units.linearUnit = "kilometer"; },
         "Line 3 of main.xml: the unit \"kilometer\" is not read (meter, foot or USSurveyFoot)."},
        {[](LandXmlFile& f) {
             LandXmlGeometry& g = f.alignments[0].elements[1];
             g.kind = "Spiral", g.spiType = "cubic", g.radiusStart = "INF", g.radiusEnd = "100";
         },
         "Line 11 of main.xml: the Spiral is a cubic, not a clothoid."},
        {[](LandXmlFile& f) { f.alignments[0].profAligns[0].points[1].kind = "UnsymParaCurve"; },
         "Line 22 of main.xml: the UnsymParaCurve is an unsymmetric parabola, which is not read."},
        {[](LandXmlFile& f) {
             LandXmlGeometry& g = f.alignments[0].elements[1];
             g.start = g.center = g.end = "", g.pi = "1000 2200";
         },
         "Line 11 of main.xml: the Curve is given only by its PI."},
        {[](LandXmlFile& f) { f.alignments[0].profAligns[0].points[2].text = "1090 100"; },
         "Line 23 of main.xml: the stations decrease at this CircCurve."},
        {[](LandXmlFile& f) { f.alignments[0].cant[2].station = "1099"; },
         "Line 32 of main.xml: the stations decrease at this CantStation."},
        {[](LandXmlFile& f) { f.alignments[0].equations[0].staIncrement = "decreasing"; },
         "Line 6 of main.xml: the StaEquation makes the stations decrease."},
        {[](LandXmlFile& f) {
             f.alignments[0].equations.clear();
             f.alignments[0].elements[0].staStart = "1200";
             f.alignments[0].elements[1].staStart = "1100";
         },
         "Line 11 of main.xml: the stations decrease at this Curve."},
        {[](LandXmlFile& f) { f.alignments[0].elements[0].kind = "IrregularLine"; },
         "Line 7 of main.xml: the IrregularLine is not read (only Line, Curve and Spiral)."},
        {[](LandXmlFile& f) { f.alignments[0].elements[0].start = "1000,000 2000,000"; },
         "Line 7 of main.xml: the Start of the Line \"1000,000 2000,000\" is not \"northing easting\"."},
        {[](LandXmlFile& f) { f.alignments[0].elements[1].rot = ""; },
         "Line 11 of main.xml: the Curve has no rot (cw or ccw)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusal);
        LandXmlFile file = SmallDesign();
        c.spoil(file);
        const LandXmlImport import = ImportLandXml(file);
        EXPECT_EQ(import.refusal, c.refusal);
        EXPECT_EQ(import.text, "");
    }
}

// What cannot be imported but does not stop the import is left out, each with a note.
TEST(LandXmlImport, LeftOutWithANote) {
    LandXmlFile file = SmallDesign();
    LandXmlAlignment& a = file.alignments[0];
    a.equations.push_back({8, "5000", "6000", "4900", ""});
    a.profAligns.push_back({"Ground", 40, {}});
    a.elements.insert(a.elements.begin() + 1, Element("Line", 10, "1000 2100", "1000 2100", "0"));
    LandXmlAlignment byPis;
    byPis.name = "By PIs", byPis.line = 50;
    file.alignments.push_back(byPis);
    const LandXmlImport import = ImportLandXml(file);
    ASSERT_EQ(import.refusal, "");
    const std::string summary = import.text.substr(import.text.find("Import of LandXML"));
    EXPECT_EQ(summary,
              "Import of LandXML main.xml: 1 alignment read, 2 elements, 1 station equation\r\n"
              "! Left out: the Line on line 10 of \"Main\": its length is 0\r\n"
              "! Left out: the StaEquation on line 8 of \"Main\": internal station 5000 lies outside the alignment\r\n"
              "! Left out: the ProfAlign \"Ground\" on line 40 of \"Main\": only the first profile of an alignment is read\r\n"
              "! Left out: the alignment \"By PIs\" on line 50: it has no CoordGeom\r\n");
}

// The lines of the text from its PSTART line to its PEND line.
std::vector<std::string> ProfileLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text.substr(text.find("PSTART")));
    for (std::string line; std::getline(in, line) && !line.empty() && line != "\r";)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

// Circular curves that touch in the file overlap as parabolas of the same radius;
// written, they touch, and the profile table reads them without refusal. A curve
// ending the profile is written without it.
TEST(LandXmlImport, TouchingCircularCurvesAreReadByTheProfileTable) {
    const struct {
        const char* radius;
        const char* note;
    } cases[] = {
        {"5010", "the vertical curves of VP1 and VP2 overlapped by 0.2000 m; their radii are reduced by 0.1996 %"},
        {"5600", "the vertical curves of VP1 and VP2 overlap by 12.0000 m: written as in the file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radius);
        LandXmlFile file = SmallDesign();
        file.alignments[0].equations.clear();
        file.alignments[0].profAligns[0].points = {{"PVI", 21, "1000.000 100.000", "", ""},
                                                   {"CircCurve", 22, "1100.000 101.000", "", c.radius},
                                                   {"CircCurve", 23, "1200.000 100.000", "", c.radius},
                                                   {"ParaCurve", 24, "1250.000 100.500", "10", ""}};
        const std::string text = ImportLandXml(file).text;
        EXPECT_NE(text.find(c.note), std::string::npos) << text;
        EXPECT_NE(text.find("the ParaCurve on line 24 ends the profile and is written without its curve"),
                  std::string::npos);
        const std::vector<std::string> profile = ProfileLines(text);
        const ProfileTableReading reading = ReadProfileTable(Lines(profile));
        ASSERT_EQ(reading.refusal, "");
        const std::string refusal = BuildVerticalProfile(reading.table).refusal;
        if (std::string(c.radius) == "5600") EXPECT_EQ(refusal, "the vertical curves of VP1 and VP2 overlap by 12.0000");
        else EXPECT_EQ(refusal, "");
    }
}

// ---- Generated alignments: rows that reproduce every element

// A point and direction along an element, integrated by the test itself: Simpson's
// rule on 2000 panels in long double (error far below 1e-9 m on these elements).
struct Pose {
    long double Y, X, az;
};

Pose Integrate(Pose start, double L, double k1, double k2, double s) {
    const auto turn = [&](long double t) { return k1 * t + (k2 - k1) * t * t / (2 * L); };
    const int n = 2000;
    const long double h = s / n;
    long double dY = 0, dX = 0;
    for (int i = 0; i <= n; ++i) {
        const long double w = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
        const long double a = start.az + turn(i * h);
        dY += w * std::sin(a), dX += w * std::cos(a);
    }
    return {start.Y + dY * h / 3, start.X + dX * h / 3, start.az + turn(s)};
}

std::string Text(long double v) {
    std::ostringstream out;
    out.precision(8);
    out << std::fixed << static_cast<double>(v);
    return out.str();
}

std::string NorthingEasting(const Pose& p) {
    return Text(p.X) + " " + Text(p.Y);
}

TEST(LandXmlImport, GeneratedAlignmentsReproducedToAMicrometre) {
    std::mt19937 random(2028);
    const auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); };
    const long double degree = 3.14159265358979323846L / 180;
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        LandXmlFile file;
        file.fileName = "g.xml", file.rootName = "LandXML", file.units = {"Metric", "meter", "", 1};
        LandXmlAlignment a;
        a.name = "G", a.staStart = Text(uniform(-500, 20000)), a.hasCoordGeom = true;
        Pose at{uniform(-1e6, 7.4e6), uniform(-1e6, 7.4e6), uniform(0, 360) * degree};
        std::vector<Pose> starts;
        double k = 0; // curvature carried from the element before
        for (int i = 0; i < 12; ++i) {
            const int kind = static_cast<int>(uniform(0, 3));
            const double hand = uniform(0, 1) < 0.5 ? -1 : 1;
            const double L = uniform(20, 400);
            double k1 = k, k2 = k;
            LandXmlGeometry g;
            g.line = i + 10, g.length = Text(L);
            if (kind == 0) {
                g.kind = "Line", k1 = k2 = 0;
            } else if (kind == 1) {
                g.kind = "Curve", k1 = k2 = hand / uniform(50, 5000);
            } else {
                // A clothoid from the curvature before (or none) to a new one, or to none.
                g.kind = "Spiral", k2 = uniform(0, 1) < 0.3 ? 0 : (k1 != 0 ? k1 : hand) / uniform(50, 5000);
                if (k1 == 0 && k2 == 0) k2 = hand / uniform(50, 5000);
                if (k1 != 0 && k2 != 0 && (k1 > 0) != (k2 > 0)) k2 = -k2;
                g.radiusStart = k1 == 0 ? "INF" : Text(1 / std::abs(k1));
                g.radiusEnd = k2 == 0 ? "INF" : Text(1 / std::abs(k2));
                g.spiType = i % 2 ? "clothoid" : "";
            }
            const double hands = k1 != 0 ? k1 : k2;
            g.rot = hands > 0 ? "cw" : "ccw";
            if (g.kind == "Curve") {
                g.radius = Text(1 / std::abs(k1));
                const long double R = 1 / std::abs(static_cast<long double>(k1));
                const long double toCenter = at.az + (k1 > 0 ? 90 : -90) * degree;
                g.center = Text(at.X + R * std::cos(toCenter)) + " " + Text(at.Y + R * std::sin(toCenter));
            }
            const Pose end = Integrate(at, L, k1, k2, L);
            g.start = NorthingEasting(at), g.end = NorthingEasting(end);
            a.elements.push_back(g);
            starts.push_back(at);
            at = end, k = k2;
        }
        starts.push_back(at);
        file.alignments.push_back(a);
        const LandXmlImport import = ImportLandXml(file);
        ASSERT_EQ(import.refusal, "");
        ASSERT_EQ(import.elements, 12);
        // The text appended, selected whole, is read as the line it describes.
        const RouteElements read = ReadRouteElements(SelectedLines(import.text, 0, import.text.size()));
        ASSERT_TRUE(read.line.has_value()) << read.report;
        EXPECT_EQ(read.line->elements.size(), 12u);
        // Each row, integrated from its own numbers, ends where the next element starts.
        std::istringstream rows(import.text);
        std::string line;
        int row = 0;
        double PK = std::stod(a.staStart);
        while (std::getline(rows, line)) {
            std::istringstream fields(line);
            std::string kind;
            double rowPK, Y, X, AZ, L, R1 = 0, R2 = 0;
            fields >> kind;
            if (kind != "STRAIGHT" && kind != "ARC" && kind != "SPIRAL") continue;
            fields >> rowPK >> Y >> X >> AZ >> L >> R1;
            if (kind == "ARC") R2 = R1;
            if (kind == "SPIRAL") fields >> R2;
            SCOPED_TRACE(line);
            const Pose start{Y, X, AZ * degree};
            EXPECT_NEAR(rowPK, PK, 1e-6);
            EXPECT_NEAR(Y, static_cast<double>(starts[row].Y), 1e-6);
            EXPECT_NEAR(X, static_cast<double>(starts[row].X), 1e-6);
            EXPECT_NEAR(std::remainder(static_cast<double>((start.az - starts[row].az) / degree), 360.0), 0, 1e-7);
            const Pose end = Integrate(start, L, R1 == 0 ? 0 : 1 / R1, R2 == 0 ? 0 : 1 / R2, L);
            EXPECT_NEAR(static_cast<double>(end.Y), static_cast<double>(starts[row + 1].Y), 1e-6);
            EXPECT_NEAR(static_cast<double>(end.X), static_cast<double>(starts[row + 1].X), 1e-6);
            PK += L;
            ++row;
        }
        EXPECT_EQ(row, 12);
    }
}

} // namespace
