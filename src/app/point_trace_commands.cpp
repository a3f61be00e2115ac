#include "app/point_trace_commands.h"

#include <string>

#include "resource_ids.h"
#include "text/selected_lines.h"
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
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end) {
        ShowNotice("Select the lines of the points to trace.");
        return 1;
    }
    WaitCursor wait;
    // A copy of the text: the trace's formatting reuses the temporary strings,
    // among them the one the text is read into.
    const std::string text = ReadWindowText(edit);
    const std::string report = TracePointLines(*batch, TheCalculationStore, SelectedLines(text, start, end));
    AppendToEditor(edit, report.c_str());
    return 1;
}
