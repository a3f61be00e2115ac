// The chart of the offsets of the last trace on the line along its pickets (and of
// their dH below, when the trace compared levels), drawn to fit its window or page.
#pragma once

#include <memory>

#include "pictures/win32/picture.h"

inline constexpr const char* ChartTitle = "Offsets along the line";
// The colour of a traced point's marker: the shell tests find the points by it.
inline constexpr COLORREF ChartPointColour = RGB(200, 0, 200);
// A point over the tolerance of its panel, and the lines of the tolerance band.
inline constexpr COLORREF ChartOverColour = RGB(230, 0, 0);
inline constexpr COLORREF ChartBandLineColour = RGB(0, 150, 0);

std::unique_ptr<Picture> MakeChartPicture();
