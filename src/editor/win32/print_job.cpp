#include "editor/win32/print_job.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <vector>

#include "editor/print_pagination.h"
#include "editor/win32/editor_selection.h"
#include "editor/win32/print_page_drawing.h"
#include "editor/win32/printing_box.h"
#include "text/win32/wait_cursor.h"
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

// The Print dialog; the printer's device context, or nullptr when cancelled.
HDC ChoosePrinter(HWND owner, bool hasSelection, PRINTDLGA& dialog) {
    dialog = PRINTDLGA{};
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
    return chosen ? dialog.hDC : nullptr;
}

enum class JobEnd { Printed, Cancelled, Failed };

// The pages [first, last] (numbered from 1) of the document, one job.
JobEnd PrintPages(HWND owner, HDC printer, const PageLayout& layout, const std::vector<PrintedPage>& pages,
                  const std::string& name, int first, int last) {
    const HWND box = ShowPrintingBox(owner, printer);
    const std::string title = "Quarel Editor - " + name;
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    JobEnd end = JobEnd::Printed;
    if (StartDocA(printer, &document) <= 0) {
        end = JobEnd::Failed;
    } else {
        const int count = static_cast<int>(pages.size());
        for (int page = first; page <= last && end == JobEnd::Printed; ++page) {
            if (box) ShowPrintingPage(box, page, count);
            if (PrintingCancelled()) {
                end = JobEnd::Cancelled;
                break;
            }
            if (StartPage(printer) <= 0) {
                end = JobEnd::Failed;
                break;
            }
            DrawPrintedPage(printer, layout, PageHeader(name, page, count, layout.grid.columns),
                            pages[static_cast<std::size_t>(page - 1)]);
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

} // namespace

int PrintEditorText(HWND owner, HWND edit, const std::string& documentPath) {
    if (!PrinterInstalled()) {
        ShowMessage(NoPrinterText, PrintCaption, MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    const EditorSelection selection = GetEditorSelection(edit);
    PRINTDLGA dialog;
    const HDC printer = ChoosePrinter(owner, selection.end > selection.start, dialog);
    if (printer == nullptr) {
        if (CommDlgExtendedError() == PDERR_NODEFAULTPRN)
            ShowMessage(NoPrinterText, PrintCaption, MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    PageLayout layout = MakePageLayout(printer);
    std::vector<PrintedPage> pages;
    {
        WaitCursor wait;
        std::string text = EditorWholeText(edit);
        if ((dialog.Flags & PD_SELECTION) && selection.end <= text.size())
            text = text.substr(selection.start, selection.end - selection.start);
        pages = PaginateText(text, layout.grid.columns, layout.grid.bodyLines);
    }
    const int count = static_cast<int>(pages.size());
    int first = 1, last = count;
    if (dialog.Flags & PD_PAGENUMS) {
        first = std::clamp<int>(dialog.nFromPage, 1, count);
        last = std::clamp<int>(dialog.nToPage, first, count);
    }
    JobEnd end = JobEnd::Failed;
    if (layout.font != nullptr)
        end = PrintPages(owner, printer, layout, pages, PrintedDocumentName(documentPath), first, last);
    ReleasePageLayout(layout);
    DeleteDC(printer);
    if (end == JobEnd::Failed) ShowMessage(PrintFailedText, PrintCaption, MB_OK | MB_ICONERROR);
    return end == JobEnd::Printed ? 1 : 0;
}
