#include "editor/win32/find_replace_dialogs.h"

#include <commdlg.h>

#include <cstring>
#include <string>

#include "editor/win32/editor_search.h"
#include "editor/win32/editor_selection.h"

namespace {

constexpr WORD TextSize = 256;
// Global: the one record both dialogs share, its two texts, the open dialog, and the
// direction last chosen in Find (the Replace dialog has none: it searches down).
FINDREPLACEA Record{};
char FindWhat[TextSize];
char ReplaceWith[TextSize];
HWND Dialog = nullptr;
bool DialogIsReplace = false;
bool SearchDown = true;

SearchOptions OptionsOf(DWORD flags, bool down) {
    SearchOptions options;
    options.matchCase = (flags & FR_MATCHCASE) != 0;
    options.wholeWord = (flags & FR_WHOLEWORD) != 0;
    options.down = down;
    return options;
}

// The selection becomes the text searched for when it is on one line and fits.
void TakeSelectionAsFindText(HWND edit) {
    const EditorSelection selection = GetEditorSelection(edit);
    if (selection.start >= selection.end || selection.end - selection.start >= TextSize) return;
    const std::string text = EditorWholeText(edit);
    if (selection.end > text.size()) return;
    const std::string selected = text.substr(selection.start, selection.end - selection.start);
    if (selected.find_first_of("\r\n") != std::string::npos) return;
    std::memset(FindWhat, 0, sizeof FindWhat);
    selected.copy(FindWhat, TextSize - 1);
}

void OpenDialog(HWND owner, HWND edit, bool replace) {
    if (Dialog != nullptr && DialogIsReplace == replace) {
        SetActiveWindow(Dialog);
        return;
    }
    if (Dialog != nullptr) DestroyWindow(Dialog);
    TakeSelectionAsFindText(edit);
    const DWORD kept = Record.Flags & (FR_MATCHCASE | FR_WHOLEWORD);
    Record = FINDREPLACEA{};
    Record.lStructSize = sizeof Record;
    Record.hwndOwner = owner;
    Record.Flags = kept | (SearchDown ? FR_DOWN : 0);
    Record.lpstrFindWhat = FindWhat;
    Record.wFindWhatLen = TextSize;
    Record.lpstrReplaceWith = ReplaceWith;
    Record.wReplaceWithLen = TextSize;
    DialogIsReplace = replace;
    Dialog = replace ? ReplaceTextA(&Record) : FindTextA(&Record);
}

} // namespace

void OpenFindDialog(HWND owner, HWND edit) {
    OpenDialog(owner, edit, false);
}

void OpenReplaceDialog(HWND owner, HWND edit) {
    OpenDialog(owner, edit, true);
}

void FindNextCommand(HWND owner, HWND edit, bool upward) {
    if (FindWhat[0] == '\0') {
        OpenFindDialog(owner, edit);
        return;
    }
    FindNextInEditor(edit, FindWhat, OptionsOf(Record.Flags, upward ? false : SearchDown));
}

UINT FindReplaceMessage() {
    static const UINT message = RegisterWindowMessageA(FINDMSGSTRINGA);
    return message;
}

void OnFindReplaceMessage(HWND edit, LPARAM findReplace) {
    const DWORD flags = reinterpret_cast<const FINDREPLACEA*>(findReplace)->Flags;
    if (flags & FR_DIALOGTERM) {
        Dialog = nullptr;
        return;
    }
    if (flags & FR_FINDNEXT) {
        if (!DialogIsReplace) SearchDown = (flags & FR_DOWN) != 0;
        FindNextInEditor(edit, FindWhat, OptionsOf(flags, DialogIsReplace || SearchDown));
    } else if (flags & FR_REPLACE) {
        ReplaceInEditor(edit, FindWhat, ReplaceWith, OptionsOf(flags, true));
    } else if (flags & FR_REPLACEALL) {
        ReplaceAllInEditor(edit, FindWhat, ReplaceWith, OptionsOf(flags, true));
    }
}

HWND OpenFindReplaceDialog() {
    return Dialog;
}
