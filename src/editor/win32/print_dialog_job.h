// What every print of the program shares: the printer check, the common Print
// dialog and the job that draws its pages while the printing box offers Cancel.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <string>

inline constexpr const char* PrintCaption = "Quarel Editor";
inline constexpr const char* NoPrinterText = "No printer is installed.";
inline constexpr const char* PrintFailedText = "Printing failed.";

enum class JobEnd { Printed, Cancelled, Failed };

// The Print dialog (the Selection choice offered when hasSelection); the printer's
// device context, which the caller deletes, or nullptr when cancelled. With no
// printer installed, only the box "No printer is installed." and nullptr.
HDC ChoosePrinter(HWND owner, bool hasSelection, PRINTDLGA& dialog);

// One job titled "Quarel Editor - NAME": pages first to last (of count, numbered from
// 1), each drawn by drawPage between StartPage and EndPage (false: the job failed).
JobEnd RunPrintJob(HWND owner, HDC printer, const std::string& name, int first, int last, int count,
                   const std::function<bool(HDC printer, int page)>& drawPage);

// "Printing failed." after a failed job; 1 when it printed, else 0.
int PrintJobResult(JobEnd end);

// A document of one page: the Print dialog, then the page drawn by drawPage; the
// printer is deleted afterwards. 1 when printed, else 0.
int PrintOnePage(HWND owner, const std::string& name, const std::function<bool(HDC printer)>& drawPage);
