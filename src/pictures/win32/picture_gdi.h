// The GDI pieces both pictures of the line draw with: sizes given in millimetres of
// the device (a screen's or a printer's), fonts in points, pens and brushes selected
// for a scope, text measured and written, polylines of the ground.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <unordered_set>
#include <vector>

#include "pictures/ground_view.h"
#include "pictures/label_placement.h"

// The device a picture is drawn on: its units in a millimetre, and the tolerance (in
// its units) within which the drawn track keeps to the true line.
struct DeviceStyle {
    double unitsPerMm;
    double toleranceUnits;
};
// A window's screen: half a pixel. A printer: 0.025 mm, so that with the rounding
// to its dots the drawn line stays within 0.1 mm of the true line.
DeviceStyle ScreenStyle(HDC dc);
DeviceStyle PaperStyle(HDC dc);

// A length in device units, at least one.
int Units(const DeviceStyle& style, double mm);
POINT ToPoint(DevicePoint p);

// A GDI object selected into the device context for a scope, then deleted.
class Selected {
  public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
    ~Selected() {
        SelectObject(dc_, old_);
        DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

  private:
    HDC dc_;
    HGDIOBJ object_, old_;
};

HFONT PictureFont(const DeviceStyle& style, double points, bool bold = false);
HPEN PicturePen(const DeviceStyle& style, double mm, COLORREF colour, int penStyle = PS_SOLID);

// The size of the text in the selected font.
SIZE TextSize(HDC dc, const std::string& text);

// The widths of the selected font's characters, read once, so that thousands of
// labels are measured without a call to the device each (the sum of the advances,
// as GetTextExtentPoint32 gives it for a font without kerning).
class TextMeasure {
  public:
    explicit TextMeasure(HDC dc);
    double Width(const std::string& text) const;
    double Height() const { return height_; }

  private:
    int widths_[256];
    double height_;
};

// Many shapes of one pen and brush: polygons or open polylines, one call each. A marker whose shape would fall on the same device unit as one
// already added draws nothing new, so a drawing of thousands of crowded points
// costs what its distinct markers cost.
class ShapeBatch {
  public:
    // Whether a marker at this device point was already added; notes it if not.
    bool AlreadyAt(POINT at);
    void Add(std::initializer_list<POINT> shape);
    void Add(const std::vector<POINT>& shape);
    // A polyline of `count` points, given one by one: joined to the last one where it
    // starts at its end, each point that repeats the one before it left out.
    void AddRun(std::size_t count, const std::function<POINT(std::size_t)>& point);
    void DrawPolygons(HDC dc) const;
    void DrawPolylines(HDC dc) const;

  private:
    std::vector<POINT> points_;
    std::vector<INT> counts_;
    std::unordered_set<unsigned long long> markersAt_;
};
// The text with its top left at the box's.
void WriteText(HDC dc, const LabelBox& box, const std::string& text);
// The box of the text centred on (x, y).
LabelBox CentredBox(HDC dc, const std::string& text, double x, double y);

// Fills the rectangle of the area with a colour.
void FillArea(HDC dc, const DrawingArea& area, COLORREF colour);
// The polyline cut to the ground the clip extent holds, its runs added to the batch.
void AddGroundPolyline(ShapeBatch& batch, const GroundView& view, const DrawingArea& area,
                       const std::vector<GroundPoint>& line, const GroundExtent& clip);
