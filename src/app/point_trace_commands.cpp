#include "app/point_trace_commands.h"

#include <string>

#include "resource_ids.h"
#include "text/win32/selected_text.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"
#include "trace/point_batch_trace.h"

namespace {
const PointBatchTrace* BatchOfCommand(int command) {
    switch (command) {
    case CMD_TRACE_POINTS_STRAIGHT:
        return &StraightPointBatch;
    case CMD_TRACE_POINTS_CIRCULAR:
        return &CircularPointBatch;
    case CMD_TRACE_POINTS_SPIRAL:
        return &SpiralPointBatch;
    }
    return nullptr;
}
} // namespace

int RunPointTraceCommand(HWND edit, int command) {
    const PointBatchTrace* batch = BatchOfCommand(command);
    if (batch == nullptr) return 0;
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the points to trace.", selected)) return 1;
    WaitCursor wait;
    const std::string report = TracePointLines(*batch, TheCalculationStore, selected.lines);
    AppendToEditor(edit, report.c_str());
    return 1;
}
