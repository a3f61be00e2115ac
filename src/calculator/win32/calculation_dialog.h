// The one dialog procedure behind every calculation dialog.
#pragma once

#include <windows.h>

#include "calculator/calculator.h"

// The caption of the box that refuses a field holding no number.
inline constexpr const char* RefusedFieldCaption = "Quarel Editor";

// What a calculation dialog is opened with: its calculator and the text field its
// reports are appended to. The dialog keeps a pointer to it, so it must outlive
// the dialog.
struct CalculationDialogParameter {
    const Calculator* calculator;
    HWND editor;
};

// Opened with DialogBoxParamA and a CalculationDialogParameter* as the init parameter:
// fills the fields from the stored values, runs CALC (IDOK: store the fields,
// append the input piece, compute, show the results, append the result pieces; or,
// when a numeric field holds no number, say so and stop with that field selected)
// and ends on Close, Esc or the close box. Answers 0 to every message.
INT_PTR CALLBACK CalculationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
