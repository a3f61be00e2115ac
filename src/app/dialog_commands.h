// The menu commands that open a modal dialog: the calculators, Options and About.
// Each beeps and runs its dialog over `owner`, returning when it has ended; the
// reports go to the text field `editor`.
#pragma once

#include <windows.h>

#include "calculator/calculator.h"

void RunCalculationDialog(HWND owner, HWND editor, const Calculator& calculator);
void RunOptionsDialog(HWND owner, HWND editor);
void RunAboutDialog(HWND owner);
