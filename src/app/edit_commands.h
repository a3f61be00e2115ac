// The Edit menu's Undo: the text field's own, or a notice when there is nothing to
// undo. (Select All, Cut, Copy and Paste are messages to the text field; Find, Find
// Next, Replace and Go To open their dialogs over the field's parent window.)
#pragma once

#include <windows.h>

void UndoInEditor(HWND edit);
