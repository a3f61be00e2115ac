// The Quarel > Trace selected points commands: a trace run over every point line
// of the editor's selection, its table appended to the text. No dialog opens.
#pragma once

#include <windows.h>

#include "trace/point_batch_trace.h"

// Traces the point lines selected in the edit control on the batch's element.
void TraceSelectedPoints(HWND edit, const PointBatchTrace& batch);
