// The small modeless box shown while a job prints: "Printing page n of m" and a
// Cancel button. It serves as the job's abort procedure (SetAbortProc): the device
// calls it while it spools, and it keeps the box answering and tells whether the
// user has cancelled.
#pragma once

#include <windows.h>

// Shows the box over owner (the owner is disabled until the box closes) and makes
// its abort procedure the device's. nullptr when the box could not be made.
HWND ShowPrintingBox(HWND owner, HDC printer);
// "Printing page n of m" in the box; handles the messages waiting for it.
void ShowPrintingPage(HWND box, int page, int pages);
// True once Cancel was pressed.
bool PrintingCancelled();
// Closes the box and enables its owner again.
void ClosePrintingBox(HWND box);
