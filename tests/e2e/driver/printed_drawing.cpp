#include "driver/printed_drawing.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
// The value of attribute `name` within [from, to) of the text, or "".
std::string Attribute(const std::string& text, size_t from, size_t to, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const size_t at = text.find(key, from);
    if (at == std::string::npos || at >= to) return "";
    const size_t start = at + key.size();
    const size_t end = text.find('"', start);
    return text.substr(start, end - start);
}

double Number(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

// The numbers of "matrix(a,b,c,d,e,f)", or the identity.
void Matrix(const std::string& transform, double m[6]) {
    const double identity[6] = {1, 0, 0, 1, 0, 0};
    for (int i = 0; i < 6; ++i) m[i] = identity[i];
    const size_t open = transform.find("matrix(");
    if (open == std::string::npos) return;
    const char* p = transform.c_str() + open + 7;
    for (int i = 0; i < 6; ++i) {
        char* end = nullptr;
        m[i] = std::strtod(p, &end);
        p = end;
        while (*p == ',' || *p == ' ') ++p;
    }
}

// The subpaths of a path's d (M, L, C and Z, absolute), transformed.
std::vector<std::vector<PagePoint>> Runs(const std::string& d, const double m[6]) {
    std::vector<std::vector<PagePoint>> runs;
    const char* p = d.c_str();
    char command = 0;
    auto number = [&]() {
        char* end = nullptr;
        const double v = std::strtod(p, &end);
        p = end;
        return v;
    };
    auto add = [&](double x, double y) {
        runs.back().push_back({m[0] * x + m[2] * y + m[4], m[1] * x + m[3] * y + m[5]});
    };
    while (*p) {
        while (*p == ' ' || *p == ',') ++p;
        if (!*p) break;
        if (std::isalpha(static_cast<unsigned char>(*p))) command = *p++;
        if (command == 'M') {
            runs.emplace_back();
            const double x = number(), y = number();
            add(x, y);
            command = 'L';
        } else if (command == 'L') {
            const double x = number(), y = number();
            add(x, y);
        } else if (command == 'C') {
            for (int i = 0; i < 2; ++i) number(), number();
            const double x = number(), y = number();
            add(x, y);
        } else if (command == 'Z') {
            if (!runs.empty() && !runs.back().empty()) runs.back().push_back(runs.back().front());
            command = 0;
        } else {
            ++p; // a command this reader does not know: passed over
        }
    }
    return runs;
}

double SegmentDistance(PagePoint p, PagePoint a, PagePoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::fmax(0, std::fmin(1, t));
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}
} // namespace

bool StrokedPath::Coloured(int r, int g, int b) const {
    return std::fabs(red - r) <= 2 && std::fabs(green - g) <= 2 && std::fabs(blue - b) <= 2;
}

std::vector<PrintedWord> ReadPrintedWords(const std::string& html) {
    std::vector<PrintedWord> words;
    const size_t pageEnd = html.find("</page>");
    for (size_t at = html.find("<word "); at != std::string::npos && at < pageEnd; at = html.find("<word ", at + 1)) {
        const size_t close = html.find('>', at);
        const size_t end = html.find("</word>", close);
        PrintedWord w;
        w.text = html.substr(close + 1, end - close - 1);
        w.xMin = Number(Attribute(html, at, close, "xMin"));
        w.yMin = Number(Attribute(html, at, close, "yMin"));
        w.xMax = Number(Attribute(html, at, close, "xMax"));
        w.yMax = Number(Attribute(html, at, close, "yMax"));
        words.push_back(w);
    }
    return words;
}

std::vector<StrokedPath> ReadStrokedPaths(const std::string& svg) {
    std::vector<StrokedPath> paths;
    // The glyphs' outlines come first, in <defs>; the page's drawing after them.
    const size_t defsEnd = svg.find("</defs>");
    for (size_t at = svg.find("<path ", defsEnd == std::string::npos ? 0 : defsEnd); at != std::string::npos;
         at = svg.find("<path ", at + 1)) {
        const size_t close = svg.find("/>", at);
        const std::string style = Attribute(svg, at, close, "style");
        const size_t stroke = style.find("stroke:rgb(");
        if (stroke == std::string::npos) continue;
        StrokedPath path;
        const char* p = style.c_str() + stroke + 11;
        double parts[3];
        for (double& part : parts) {
            char* end = nullptr;
            part = std::strtod(p, &end) * 255 / 100;
            p = end;
            while (*p == '%' || *p == ',' || *p == ' ') ++p;
        }
        path.red = parts[0], path.green = parts[1], path.blue = parts[2];
        double m[6];
        Matrix(Attribute(svg, at, close, "transform"), m);
        path.runs = Runs(Attribute(svg, at, close, "d"), m);
        paths.push_back(path);
    }
    return paths;
}

double DistanceToPaths(const std::vector<StrokedPath>& paths, int r, int g, int b, PagePoint p) {
    double least = std::numeric_limits<double>::max();
    for (const StrokedPath& path : paths) {
        if (!path.Coloured(r, g, b)) continue;
        for (const std::vector<PagePoint>& run : path.runs)
            for (size_t i = 0; i + 1 < run.size(); ++i)
                least = std::fmin(least, SegmentDistance(p, run[i], run[i + 1]));
    }
    return least;
}
