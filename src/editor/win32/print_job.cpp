#include "editor/win32/print_job.h"

#include <algorithm>
#include <vector>

#include "editor/print_pagination.h"
#include "editor/win32/editor_selection.h"
#include "editor/win32/print_page_drawing.h"
#include "text/win32/wait_cursor.h"


int PrintEditorText(HWND owner, HWND edit, const std::string& documentPath) {
    const EditorSelection selection = GetEditorSelection(edit);
    PRINTDLGA dialog;
    const HDC printer = ChoosePrinter(owner, selection.end > selection.start, dialog);
    if (printer == nullptr) return 0;
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
    const std::string name = PrintedDocumentName(documentPath);
    if (layout.font != nullptr)
        end = RunPrintJob(owner, printer, name, first, last, count, [&](HDC dc, int page) {
            DrawPrintedPage(dc, layout, PageHeader(name, page, count, layout.grid.columns),
                            pages[static_cast<std::size_t>(page - 1)]);
            return true;
        });
    ReleasePageLayout(layout);
    DeleteDC(printer);
    return PrintJobResult(end);
}
