// File > Print: the common Print dialog (all pages, a page range, or the selection),
// then the job: the text laid out in pages (editor/print_pagination.h) drawn page by
// page while the printing box offers Cancel. The text is never changed.
#pragma once

#include <windows.h>

#include <string>

#include "editor/win32/print_dialog_job.h"

// Prints the text field's text (or its selection, when chosen in the dialog) under
// the document's name (its file path; "" for an untitled document). With no printer
// installed, only the box "No printer is installed.". A failure of the job's
// StartDoc, StartPage, EndPage or EndDoc ends the job with "Printing failed.".
// 1 when the job was printed whole, else 0 (no printer, cancelled, failed).
int PrintEditorText(HWND owner, HWND edit, const std::string& documentPath);
