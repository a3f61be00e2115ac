#include "driver/editor_view.h"

#include <string>

#include "driver/check.h"
#include "driver/program.h"
#include "driver/waiting.h"
#include "driver/window_search.h"

EditorRange SelectionOf(const Program& program) {
    const LRESULT packed = SendOrFail(program.Editor(), EM_GETSEL, 0, 0, "the selection");
    return {LOWORD(packed), HIWORD(packed)};
}

void WaitForSelection(const Program& program, int start, int end, const char* what) {
    WaitUntil([&] {
        const EditorRange now = SelectionOf(program);
        return now.start == start && now.end == end;
    });
    const EditorRange now = SelectionOf(program);
    Check(now.start == start && now.end == end, std::string(what) + ": the selection is [" +
                                                    std::to_string(now.start) + ", " + std::to_string(now.end) +
                                                    "), expected [" + std::to_string(start) + ", " +
                                                    std::to_string(end) + ")");
}

int LineOfCharacter(const Program& program, int position) {
    return static_cast<int>(SendOrFail(program.Editor(), EM_LINEFROMCHAR, position, 0, "a line number"));
}

int FirstVisibleLine(const Program& program) {
    return static_cast<int>(SendOrFail(program.Editor(), EM_GETFIRSTVISIBLELINE, 0, 0, "the first line in view"));
}

void CheckLineInView(const Program& program, int position, const char* what) {
    RECT client{};
    GetClientRect(program.Editor(), &client);
    // The most lines the view can show: no font of the field is under 10 pixels.
    const int mostShown = (client.bottom - client.top) / 10;
    const int line = LineOfCharacter(program, position);
    const int first = FirstVisibleLine(program);
    Check(first <= line && line < first + mostShown,
          std::string(what) + ": line " + std::to_string(line) + " is not in view (first line shown " +
              std::to_string(first) + ")");
}
