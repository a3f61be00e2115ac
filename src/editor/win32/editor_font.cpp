#include "editor/win32/editor_font.h"

#include <commdlg.h>

namespace {
// Global: the font chosen last, alive for the rest of the run (the text field draws
// with it); null while the system font is in use.
HFONT ChosenFont = nullptr;
LOGFONTA ChosenLook{};
} // namespace

void ChooseEditorFont(HWND owner, HWND editor) {
    LOGFONTA look = ChosenLook;
    CHOOSEFONTA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpLogFont = &look;
    choice.Flags = CF_SCREENFONTS | CF_FORCEFONTEXIST | (ChosenFont != nullptr ? CF_INITTOLOGFONTSTRUCT : 0);
    if (!ChooseFontA(&choice)) return;
    HFONT font = CreateFontIndirectA(&look);
    if (font == nullptr) return;
    SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // The field no longer draws with the old font once it has the new one.
    if (ChosenFont != nullptr) DeleteObject(ChosenFont);
    ChosenFont = font;
    ChosenLook = look;
}
