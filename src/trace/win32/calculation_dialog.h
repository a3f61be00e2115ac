// The one dialog procedure behind all six calculation dialogs.
#pragma once

#include <windows.h>

// Opened with DialogBoxParamA and the dialog's Calculator* as the init parameter:
// fills the fields from the stored values, runs CALC (IDOK: store the fields,
// append the input piece, compute, show the results, append the result pieces)
// and ends on Close, Esc or the close box. Answers 0 to every message.
INT_PTR CALLBACK CalculationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
