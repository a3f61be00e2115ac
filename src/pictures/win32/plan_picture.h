// The plan of the line: the track, the tangent polygon, the IPs, main points and
// picket ticks, the points of the last trace and the last set-out, a coordinate grid
// labelled at the edges, a north arrow and a scale bar. Printed at the round scale
// 1:N at which what the window shows fits the page.
#pragma once

#include <memory>

#include "pictures/win32/picture.h"

inline constexpr const char* PlanTitle = "Plan of the line";

std::unique_ptr<Picture> MakePlanPicture();
