#include "editor/win32/editor_search.h"

#include "editor/win32/editor_selection.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"

namespace {
void TellNotFound(const std::string& what) {
    ShowMessage(CannotFindText(what).c_str(), SearchCaption, MB_OK | MB_ICONINFORMATION);
}
} // namespace

int FindNextInEditor(HWND edit, const std::string& what, const SearchOptions& options) {
    std::size_t found = NoMatch;
    {
        WaitCursor wait;
        const std::string text = EditorWholeText(edit);
        const EditorSelection selection = GetEditorSelection(edit);
        found = FindWrappingAround(text, what, options.down ? selection.end : selection.start, options);
    }
    if (found == NoMatch) {
        TellNotFound(what);
        return 0;
    }
    SelectAndShow(edit, found, found + what.size());
    return 1;
}

int ReplaceInEditor(HWND edit, const std::string& what, const std::string& with, const SearchOptions& options) {
    const EditorSelection selection = GetEditorSelection(edit);
    if (selection.end - selection.start == what.size() &&
        MatchesAt(EditorWholeText(edit), what, selection.start, options)) {
        SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(with.c_str()));
    }
    SearchOptions down = options;
    down.down = true;
    return FindNextInEditor(edit, what, down);
}

std::size_t ReplaceAllInEditor(HWND edit, const std::string& what, const std::string& with,
                               const SearchOptions& options) {
    ReplaceAllChange change;
    {
        WaitCursor wait;
        change = ReplaceAllInText(EditorWholeText(edit), what, with, options);
        if (change.count > 0) {
            // One replacement of the span from the first match to the end of the last:
            // the control keeps the old span for one Undo.
            SendMessageA(edit, EM_SETSEL, change.start, change.end);
            SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(change.replacement.c_str()));
            SelectAndShow(edit, 0, 0);
        }
    }
    if (change.count == 0) TellNotFound(what);
    return change.count;
}
