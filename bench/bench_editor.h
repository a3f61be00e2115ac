// The text field the Windows benchmarks work on: a top-level window holding a
// multi-line edit made as the program makes its own, and the message pump.
#pragma once

#include <windows.h>

// Handles every message waiting for this thread.
void Pump();

// The text field, in a visible frame of its own (its parent), with no text limit.
HWND MakeEditor(const char* caption);
