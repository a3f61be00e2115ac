// The plan of the line drawn with GDI on any device context, at a given view.
#pragma once

#include <windows.h>

#include <vector>

#include "pictures/route_marks.h"
#include "pictures/track_sampling.h"
#include "pictures/win32/picture_gdi.h"
#include "alignment/alignment.h"
#include "route/line_session.h"

// What the plan shows, taken from the line when it was read; the track's polylines
// kept for the tolerance they were sampled at.
struct PlanContent {
    const Alignment* line = nullptr;
    const LineSession* results = nullptr;
    std::vector<PlanMark> marks;
    std::vector<PicketTick> ticks;
    std::vector<GroundPoint> polygon;
    std::vector<TrackPiece> pieces;
    double piecesTolerance = 0;
};

// The colours of the plan: the shell tests find the track and the main points by them.
inline constexpr COLORREF TrackColour = RGB(0, 0, 192);
inline constexpr COLORREF MainPointColour = RGB(220, 0, 0);
inline constexpr COLORREF IpColour = RGB(0, 128, 0);
inline constexpr COLORREF TracedColour = RGB(200, 0, 200);
inline constexpr COLORREF SetOutColour = RGB(255, 128, 0);
inline constexpr COLORREF GridColour = RGB(200, 200, 200);
inline constexpr COLORREF PolygonColour = RGB(128, 128, 128);

void DrawPlan(HDC dc, const DrawingArea& area, const DeviceStyle& style, const GroundView& view,
              PlanContent& content);
