#include "editor/win32/print_dialog_job.h"

#include <cderr.h>
#include <winspool.h>

#include <vector>

#include "editor/win32/printing_box.h"
#include "text/win32/window_text.h"

namespace {
bool PrinterInstalled() {
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed == 0) return false;
    std::vector<BYTE> buffer(needed);
    return EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, buffer.data(), needed, &needed,
                         &count) &&
           count > 0;
}

void ShowNoPrinter() {
    ShowMessage(NoPrinterText, PrintCaption, MB_OK | MB_ICONINFORMATION);
}
} // namespace

HDC ChoosePrinter(HWND owner, bool hasSelection, PRINTDLGA& dialog) {
    dialog = PRINTDLGA{};
    if (!PrinterInstalled()) {
        ShowNoPrinter();
        return nullptr;
    }
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    // Copies and collation go to the driver with the device mode.
    dialog.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING | (hasSelection ? 0 : PD_NOSELECTION);
    dialog.nFromPage = 1;
    dialog.nToPage = 1;
    dialog.nMinPage = 1;
    dialog.nMaxPage = 0xFFFF; // the page count depends on the printer chosen
    dialog.nCopies = 1;
    const BOOL chosen = PrintDlgA(&dialog);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    if (!chosen && CommDlgExtendedError() == PDERR_NODEFAULTPRN) ShowNoPrinter();
    return chosen ? dialog.hDC : nullptr;
}

JobEnd RunPrintJob(HWND owner, HDC printer, const std::string& name, int first, int last, int count,
                   const std::function<bool(HDC printer, int page)>& drawPage) {
    const HWND box = ShowPrintingBox(owner, printer);
    const std::string title = "Quarel Editor - " + name;
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    JobEnd end = JobEnd::Printed;
    if (StartDocA(printer, &document) <= 0) {
        end = JobEnd::Failed;
    } else {
        for (int page = first; page <= last && end == JobEnd::Printed; ++page) {
            if (box) ShowPrintingPage(box, page, count);
            if (PrintingCancelled()) {
                end = JobEnd::Cancelled;
                break;
            }
            if (StartPage(printer) <= 0 || !drawPage(printer, page)) {
                end = JobEnd::Failed;
                break;
            }
            if (EndPage(printer) <= 0) end = PrintingCancelled() ? JobEnd::Cancelled : JobEnd::Failed;
        }
        if (end == JobEnd::Printed && PrintingCancelled()) end = JobEnd::Cancelled;
        if (end == JobEnd::Printed) {
            if (EndDoc(printer) <= 0) end = JobEnd::Failed;
        } else {
            AbortDoc(printer);
        }
    }
    ClosePrintingBox(box);
    return end;
}

int PrintJobResult(JobEnd end) {
    if (end == JobEnd::Failed) ShowMessage(PrintFailedText, PrintCaption, MB_OK | MB_ICONERROR);
    return end == JobEnd::Printed ? 1 : 0;
}

int PrintOnePage(HWND owner, const std::string& name, const std::function<bool(HDC printer)>& drawPage) {
    PRINTDLGA dialog;
    const HDC printer = ChoosePrinter(owner, false, dialog);
    if (printer == nullptr) return 0;
    const JobEnd end = RunPrintJob(owner, printer, name, 1, 1, 1, [&](HDC dc, int) { return drawPage(dc); });
    DeleteDC(printer);
    return PrintJobResult(end);
}
