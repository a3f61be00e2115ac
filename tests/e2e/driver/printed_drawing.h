// What a printed page draws, read back from the PDF on the host: every word with its
// box (pdftotext -bbox) and every stroked path with its colour (pdftocairo -svg),
// both in points from the page's top left corner, y downward.
#pragma once

#include <string>
#include <vector>

struct PrintedWord {
    std::string text;
    double xMin, yMin, xMax, yMax;
    double CentreX() const { return (xMin + xMax) / 2; }
    double CentreY() const { return (yMin + yMax) / 2; }
};

struct PagePoint {
    double x, y;
};

struct StrokedPath {
    double red, green, blue;                  // 0 to 255, as the SVG gives them (after the PDF's colour space)
    std::vector<std::vector<PagePoint>> runs; // each subpath's points, transformed onto the page
    // Whether the colour is this one, to within 2 of 255 in each part.
    bool Coloured(int r, int g, int b) const;
};

// The words of the first page of pdftotext -bbox's XHTML.
std::vector<PrintedWord> ReadPrintedWords(const std::string& bboxHtml);
// The stroked paths of pdftocairo -svg's first page.
std::vector<StrokedPath> ReadStrokedPaths(const std::string& svg);
// The distance from p to the nearest segment of the paths of that colour; a huge
// value where there is none.
double DistanceToPaths(const std::vector<StrokedPath>& paths, int r, int g, int b, PagePoint p);
