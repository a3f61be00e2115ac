// The commands of the Quarel > Line menu that work on the selection: reading the
// line of a route from the field book, and tracing points on it.
#pragma once

#include <windows.h>

// Elements of the selected line: the report appended in one piece; the line kept
// when it was read without refusal.
void ReportRouteElements(HWND edit);
// Trace selected points on the line read last (there must be one), in one append;
// no stored value changes.
void TracePointsOnStoredRoute(HWND edit);
