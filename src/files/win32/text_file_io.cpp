#include "files/win32/text_file_io.h"

#include <algorithm>
#include <climits>
#include <exception>
#include <string>

#include "files/end_of_file_mark.h"
#include "files/text_file_codec.h"
#include "files/win32/file_bytes.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"

namespace {

// While a load is putting its text into the editor, the editor's out-of-space
// notifications are told to the user once, not once for each of them.
bool Loading = false;
bool OutOfSpaceTold = false;

void ShowFileOpenFailed(HWND editor) {
    MessageBoxA(editor, FileOpenFailedText, nullptr, MB_OK);
}

void ShowFileSaveFailed(HWND editor) {
    MessageBoxA(editor, FileSaveFailedText, nullptr, MB_OK);
}

void ShowCantOpenFile(const char* fileName) {
    const std::string text = std::string(CantOpenFilePrefix) + fileName;
    ShowMessage(text.c_str(), CantOpenFileCaption, MB_OK | MB_ICONERROR);
}

// The editor's whole text, however long.
std::string EditorText(HWND editor) {
    std::string text(static_cast<std::size_t>(std::max(GetWindowTextLengthA(editor), 0)), '\0');
    const int read =
        text.empty() ? 0 : GetWindowTextA(editor, text.data(), static_cast<int>(text.size() + 1));
    text.resize(static_cast<std::size_t>(std::max(read, 0)));
    return text;
}

// Replaces the editor's text in one step. True when the editor holds all of it:
// its length in characters is that of the text converted as the editor converts it.
bool PutWholeText(HWND editor, const std::string& text) {
    if (text.size() > static_cast<std::size_t>(INT_MAX)) return false;
    // Text beyond the editor's limit would load, but then refuse every report and
    // keystroke appended to it.
    const LRESULT limit = SendMessageA(editor, EM_GETLIMITTEXT, 0, 0);
    if (static_cast<unsigned long long>(limit) < text.size()) SendMessageA(editor, EM_SETLIMITTEXT, 0, 0);
    const int expected =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    // The view goes to the top first: replacing a long text while the view is at its
    // end (where a load or a report leaves it) costs the edit control about a quarter
    // more (measured under Wine with a 5 MB book).
    SendMessageA(editor, EM_SETSEL, 0, 0);
    SendMessageA(editor, EM_SCROLLCARET, 0, 0);
    const LRESULT set = SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return set != FALSE && GetWindowTextLengthW(editor) == expected;
}

// Caret after the last character, the end in view, and the focus in the editor.
void CaretToEnd(HWND editor, std::size_t length) {
    SetFocus(editor);
    SendMessageA(editor, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
    SendMessageA(editor, EM_SCROLLCARET, 0, 0);
}

enum class LoadOutcome { Loaded, CannotRead, NoRoom };

// Reads the file and puts its text into the editor, under the wait cursor; see
// LoadTextFile. Tells the user nothing: the caller does, once the cursor is back.
// `mark` receives where the text was cut short by an end-of-file mark.
LoadOutcome LoadInto(HWND editor, const char* fileName, EndOfFileMark& mark) {
    WaitCursor wait;
    std::string text;
    {
        std::string bytes;
        if (ReadFileBytes(fileName, bytes) != FileAccess::Done) return LoadOutcome::CannotRead;
        text = TextFromFileBytes(bytes);
        mark = FindEndOfFileMark(bytes);
    }
    const std::string former = EditorText(editor);
    if (!PutWholeText(editor, text)) {
        SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(former.c_str()));
        return LoadOutcome::NoRoom;
    }
    CaretToEnd(editor, text.size());
    return LoadOutcome::Loaded;
}

// Writes the editor's text to the file safely, under the wait cursor.
FileAccess SaveFrom(HWND editor, const char* fileName) {
    WaitCursor wait;
    try {
        return WriteFileBytesSafely(fileName, FileBytesFromText(EditorText(editor)));
    } catch (const std::exception&) {
        // No memory for a copy of the text: nothing was written.
        return FileAccess::Failed;
    }
}

} // namespace

void ReportEditorOutOfSpace() {
    if (Loading && OutOfSpaceTold) return;
    OutOfSpaceTold = true;
    ShowMessage(OutOfSpaceText, OutOfSpaceCaption, MB_ICONERROR);
}

int LoadTextFile(HWND editor, const char* fileName) {
    if (fileName == nullptr || *fileName == '\0' || !FileExists(fileName)) {
        ShowFileOpenFailed(editor);
        return 0;
    }
    Loading = true;
    OutOfSpaceTold = false;
    LoadOutcome outcome = LoadOutcome::NoRoom;
    EndOfFileMark mark;
    try {
        outcome = LoadInto(editor, fileName, mark);
    } catch (const std::exception&) {
        // A file larger than the memory the program can take (bad_alloc, length_error):
        // nothing may escape into the window procedure.
        outcome = LoadOutcome::NoRoom;
    }
    if (outcome == LoadOutcome::CannotRead) ShowCantOpenFile(fileName);
    if (outcome == LoadOutcome::NoRoom) ReportEditorOutOfSpace();
    if (outcome == LoadOutcome::Loaded && mark.bytesAfter > 0)
        ShowMessage(EndOfFileMarkWarning(mark).c_str(), EndOfFileMarkCaption, MB_OK | MB_ICONWARNING);
    Loading = false;
    return outcome == LoadOutcome::Loaded ? 1 : 0;
}

namespace {
// What a save came to, told as every save tells it; 1 when done.
int TellSaved(HWND owner, const char* fileName, FileAccess saved) {
    if (saved == FileAccess::CannotOpen) ShowCantOpenFile(fileName);
    if (saved == FileAccess::Failed) ShowFileSaveFailed(owner);
    return saved == FileAccess::Done ? 1 : 0;
}
} // namespace

int SaveTextFile(HWND editor, const char* fileName) {
    if (fileName == nullptr || *fileName == '\0') {
        ShowFileSaveFailed(editor);
        return 0;
    }
    return TellSaved(editor, fileName, SaveFrom(editor, fileName));
}

int SaveFileBytes(HWND owner, const char* fileName, std::string_view bytes) {
    WaitCursor wait;
    return TellSaved(owner, fileName, WriteFileBytesSafely(fileName, bytes));
}
