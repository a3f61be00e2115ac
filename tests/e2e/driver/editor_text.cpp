#include "driver/editor_text.h"

#include "driver/check.h"
#include "driver/program.h"
#include "driver/waiting.h"
#include "driver/window_search.h"
#include "resource_ids.h"

#include <cstring>


std::string EditorText(const Program& program) {
    return WindowText(program.Editor());
}

void WaitForEditorText(const Program& program, const std::string& expected, const std::string& what) {
    WaitUntil([&] { return EditorText(program) == expected; });
    CheckText(EditorText(program), expected, what);
}

void TypeIntoEditor(const Program& program, const std::string& characters) {
    const size_t before = EditorText(program).size();
    size_t added = 0;
    for (char c : characters) {
        PostMessageA(program.Editor(), WM_CHAR, static_cast<unsigned char>(c), 1);
        added += c == '\r' ? 2 : 1;  // Enter puts CR LF into a multi-line field
    }
    WaitFor([&] { return EditorText(program).size() >= before + added; },
            "the text field to show the typed \"" + Visible(characters, 40) + "\"");
}

void ReplaceEditorText(const Program& program, const std::string& text) {
    SetText(program.Editor(), text);
}

void SelectInEditor(const Program& program, int start, int end) {
    SendOrFail(program.Editor(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end), "a selection");
}

void PasteIntoEditor(const Program& program, const std::string& text) {
    const size_t before = EditorText(program).size();
    WaitFor([] { return OpenClipboard(nullptr) != 0; }, "the clipboard to be free");
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (data != nullptr) {
        if (char* chars = static_cast<char*>(GlobalLock(data))) {
            memcpy(chars, text.c_str(), text.size() + 1);
            GlobalUnlock(data);
        }
        if (SetClipboardData(CF_TEXT, data) == nullptr) GlobalFree(data);
    }
    CloseClipboard();
    Check(data != nullptr, "the clipboard takes the text to paste");
    program.Command(CMD_EDIT_PASTE);
    WaitFor([&] { return EditorText(program).size() >= before + text.size(); },
            "the text field to show the pasted \"" + Visible(text, 40) + "\"");
}

namespace {

// The clipboard's text; false while another program holds the clipboard open.
bool ReadClipboardText(std::string& text) {
    text.clear();
    if (!OpenClipboard(nullptr)) return false;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return true;
}

}  // namespace

std::string CommandToClipboard(const Program& program, int commandId) {
    const DWORD before = GetClipboardSequenceNumber();
    program.Command(commandId);
    WaitFor([&] { return GetClipboardSequenceNumber() != before; },
            "menu command " + std::to_string(commandId) + " to change the clipboard");
    std::string text;
    WaitFor([&] { return ReadClipboardText(text); }, "the program to let go of the clipboard");
    return text;
}
