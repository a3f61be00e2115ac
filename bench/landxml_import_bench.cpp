// Import LandXML of a design file of 11 alignments and about 200 KB (1,728 elements:
// straights, clothoids and arcs, each alignment with a profile and cant), written by
// the benchmark itself: the file read through XmlLite, converted into the tables and
// appended to a real text field, as the command does after its Open dialog. Under
// Wine only. Prints figures; checks only that every element was imported.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_editor.h"
#include "landxml/landxml_import.h"
#include "landxml/track_path.h"
#include "landxml/win32/landxml_file_reader.h"
#include "text/win32/window_text.h"

namespace {

constexpr int Alignments = 11;
constexpr int Runs = 5;

std::string Number(double x) {
    char text[40];
    std::snprintf(text, sizeof text, "%.4f", x);
    return text;
}

std::string NorthingEasting(const TrackPathPoint& p) {
    return Number(p.X) + " " + Number(p.Y);
}

// One alignment: repeated straight, clothoid, arc, clothoid, turning each way in turn.
std::string AlignmentXml(int number, int elements, int& written) {
    std::string xml = "<Alignment name=\"Track " + std::to_string(number) + "\" staStart=\"" +
                      Number(1000.0 * number) + "\">\n<CoordGeom>\n";
    TrackPathPoint at{500000.0 + 3000 * number, 6000000.0, 0.3 * number};
    double station = 1000.0 * number;
    std::string cant, profile = "<PVI>" + Number(station) + " 100.000000</PVI>\n";
    for (int i = 0; i < elements; ++i) {
        const double hand = (i / 4) % 2 ? -1 : 1, k = hand / 800;
        const int kind = i % 4; // straight, clothoid in, arc, clothoid out
        const double L = kind == 0 ? 150 : kind == 2 ? 120 : 80;
        TrackPath path{at.Y, at.X, at.azimuth, L, kind == 3 ? k : kind == 2 ? k : 0, kind == 1 ? k : kind == 2 ? k : 0};
        const TrackPathPoint end = PointAlong(path, L);
        const std::string rot = hand > 0 ? "cw" : "ccw";
        if (kind == 0) {
            xml += "<Line length=\"" + Number(L) + "\">";
        } else if (kind == 2) {
            const double toCenter = at.azimuth + hand * 1.5707963267948966;
            const TrackPathPoint center{at.Y + 800 * std::sin(toCenter), at.X + 800 * std::cos(toCenter), 0};
            xml += "<Curve rot=\"" + rot + "\" radius=\"800.000000\" length=\"" + Number(L) + "\"><Center>" +
                   NorthingEasting(center) + "</Center>";
        } else {
            xml += std::string("<Spiral spiType=\"clothoid\" rot=\"") + rot + "\" length=\"" + Number(L) +
                   "\" radiusStart=\"" + (kind == 1 ? "INF" : "800.000000") + "\" radiusEnd=\"" +
                   (kind == 1 ? "800.000000" : "INF") + "\">";
        }
        xml += "<Start>" + NorthingEasting(at) + "</Start><End>" + NorthingEasting(end) + "</End>";
        xml += kind == 0 ? "</Line>\n" : kind == 2 ? "</Curve>\n" : "</Spiral>\n";
        if (kind == 2) {
            cant += "<CantStation station=\"" + Number(station) + "\" appliedCant=\"60\" curvature=\"" + rot + "\"/>\n";
            profile += "<ParaCurve length=\"40\">" + Number(station) + " " + Number(100 + (i / 4) % 2) + "</ParaCurve>\n";
        }
        station += L;
        at = end;
        ++written;
    }
    profile += "<PVI>" + Number(station) + " 100.000000</PVI>\n";
    return xml + "</CoordGeom>\n<Profile><ProfAlign name=\"levels\">\n" + profile + "</ProfAlign></Profile>\n" +
           "<Cant name=\"cant\" gauge=\"1.435\">\n" + cant + "</Cant>\n</Alignment>\n";
}

} // namespace

int main() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "quarel_landxml_bench.xml";
    int elements = 0;
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LandXML xmlns=\"http://www.landxml.org/schema/"
                      "LandXML-1.2\" version=\"1.2\">\n<Units><Metric linearUnit=\"meter\"/></Units>\n<Alignments>\n";
    for (int a = 0; a < Alignments; ++a) xml += AlignmentXml(a + 1, a < 1 ? 168 : 156, elements);
    xml += "</Alignments>\n</LandXML>\n";
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(xml.data(), 1, xml.size(), out);
    std::fclose(out);

    HWND editor = MakeEditor("LandXML import bench");
    // Each run on an empty field (emptied outside the timing), as an import into a
    // new field book.
    std::vector<double> whole, read, converted, appended;
    LandXmlImport import;
    for (int run = 0; run < Runs; ++run) {
        SetWindowTextA(editor, "");
        Pump();
        const auto t0 = std::chrono::steady_clock::now();
        const LandXmlFile file = ReadLandXmlFile(path.c_str());
        const auto t1 = std::chrono::steady_clock::now();
        import = ImportLandXml(file);
        const auto t2 = std::chrono::steady_clock::now();
        AppendToEditor(editor, import.text.c_str());
        Pump();
        const auto t3 = std::chrono::steady_clock::now();
        const auto ms = [](auto a, auto b) { return std::chrono::duration<double, std::milli>(b - a).count(); };
        whole.push_back(ms(t0, t3)), read.push_back(ms(t0, t1)), converted.push_back(ms(t1, t2)),
            appended.push_back(ms(t2, t3));
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("Import LandXML of a file of %d alignments, %zu KB, %d elements (read, converted, appended): "
                "median %.1f ms (XmlLite %.1f ms, conversion %.1f ms, append of %zu KB of text %.1f ms)\n",
                Alignments, xml.size() / 1024, elements, median(whole), median(read), median(converted),
                import.text.size() / 1024, median(appended));
    DeleteFileA(path.c_str());
    if (import.elements != elements || !import.refusal.empty()) {
        std::printf("Not every element imported: %d of %d %s\n", import.elements, elements, import.refusal.c_str());
        return 1;
    }
    return 0;
}
