#include "editor/win32/editor_font.h"

#include <commdlg.h>

namespace {
// Global: the font chosen last, alive for the rest of the run (the text field draws
// with it); null while the system font is in use.
HFONT ChosenFont = nullptr;
LOGFONTA ChosenLook{};

// The look of the font the field draws with now: the one chosen last, or the one
// it was given (the system font when none).
LOGFONTA CurrentLook(HWND editor) {
    if (ChosenFont != nullptr) return ChosenLook;
    LOGFONTA look{};
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(editor, WM_GETFONT, 0, 0));
    if (font == nullptr) font = GetStockObject(SYSTEM_FONT);
    GetObjectA(font, sizeof look, &look);
    return look;
}
} // namespace

// The dialog opens on the font the field draws with now.
void ChooseEditorFont(HWND owner, HWND editor) {
    LOGFONTA look = CurrentLook(editor);
    CHOOSEFONTA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpLogFont = &look;
    choice.Flags = CF_SCREENFONTS | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&choice)) return;
    HFONT font = CreateFontIndirectA(&look);
    if (font == nullptr) return;
    SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // The field no longer draws with the old font once it has the new one.
    if (ChosenFont != nullptr) DeleteObject(ChosenFont);
    ChosenFont = font;
    ChosenLook = look;
}
