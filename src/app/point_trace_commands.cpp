#include "app/point_trace_commands.h"

#include <string>

#include "calculator/calculation_store.h"
#include "text/win32/selected_text.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"

void TraceSelectedPoints(HWND edit, const PointBatchTrace& batch) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the points to trace.", selected)) return;
    WaitCursor wait;
    const std::string report = TracePointLines(batch, TheCalculationStore, selected.lines);
    AppendToEditor(edit, report.c_str());
}
