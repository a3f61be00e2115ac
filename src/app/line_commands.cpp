#include "app/line_commands.h"

#include "line/line_elements.h"
#include "resource_ids.h"
#include "text/win32/selected_text.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"

namespace {
// Elements of the selected line: the report appended in one piece; the line kept
// when it was read without refusal.
void ReportLineElements(HWND edit) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the line to read.", selected)) return;
    WaitCursor wait;
    LineElements elements = ReadLineElements(selected.lines);
    if (elements.line) TheStoredLine = std::move(elements.line);
    AppendToEditor(edit, elements.report.c_str());
}
} // namespace

int RunLineCommand(HWND edit, int command) {
    switch (command) {
    case CMD_LINE_ELEMENTS:
        ReportLineElements(edit);
        return 1;
    }
    return 0;
}
