// The field book's font on screen, chosen in the common Font dialog. It is kept for
// the rest of the run; until one is chosen the text field keeps the system font.
// Printing keeps its own fixed-pitch font whatever is chosen here.
#pragma once

#include <windows.h>

// Opens the Font dialog owned by `owner`, on the font chosen last (if any); when the
// user chooses one, the text field shows its text in it. Cancel changes nothing.
void ChooseEditorFont(HWND owner, HWND editor);
