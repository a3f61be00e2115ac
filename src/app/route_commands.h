// The commands of the Quarel > Line menu that work on the selection: reading the
// line of a route and its profile from the field book, and tracing points on it.
#pragma once

#include <windows.h>

// Elements of the selected line: the report appended in one piece; the line kept
// when it was read without refusal.
void ReportRouteElements(HWND edit);
// Profile of the selected line: the report appended in one piece; the profile kept
// when it was read without refusal.
void ReportRouteProfile(HWND edit);
// Trace selected points on the line read last (there must be one), with the levels
// of the profile read last, if any, in one append; no stored value changes.
void TracePointsOnStoredRoute(HWND edit);

// Export points: the points of the last trace or set-out on the line written to a
// CSV file chosen in a Save dialog, with Y before X or X before Y as its type says.
void ExportPointsOnLine(HWND owner);
