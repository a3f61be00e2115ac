// What a picture of the line is to the window that shows it and to the printed page:
// its title, how it fits, zooms and pans on screen, and how it draws itself on a
// screen or on a page.
#pragma once

#include <windows.h>

#include <string>

#include "pictures/ground_view.h"
#include "pictures/win32/picture_gdi.h"

class Picture {
  public:
    virtual ~Picture() = default;

    // The window's caption and the printed title.
    virtual const char* Title() const = 0;
    // Takes up the line and the results as they now are (anotherLine: the line is
    // not the one shown before); true when the view must be fitted again.
    virtual bool Update(bool anotherLine) = 0;
    // The view that shows the whole picture in the area.
    virtual void Fit(const DrawingArea& area) = 0;
    virtual void Zoom(const DrawingArea& area, DevicePoint about, double factor) = 0;
    virtual void Pan(double dx, double dy) = 0;
    // Draws the view as it is on screen.
    virtual void Draw(HDC dc, const DrawingArea& area, const DeviceStyle& style) = 0;
    // Draws what the screen area shows into the page's area; the note under the
    // title (the plan's "1:N"), or "".
    virtual std::string DrawOnPage(HDC dc, const DrawingArea& page, const DeviceStyle& style,
                                   const DrawingArea& screen) = 0;
};
