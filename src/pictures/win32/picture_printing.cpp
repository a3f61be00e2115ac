#include "pictures/win32/picture_printing.h"

#include "editor/print_page_frame.h"
#include "editor/print_pagination.h"
#include "editor/win32/print_dialog_job.h"
#include "editor/win32/print_page_drawing.h"

namespace {
constexpr double TitlePoints = 14, NamePoints = 10;
// Between the header and the drawing.
constexpr double HeaderGapMm = 4;
} // namespace

void DrawPicturePage(HDC dc, Picture& picture, const DrawingArea& screen, const std::string& documentPath) {
    const DeviceStyle style = PaperStyle(dc);
    const PageFrame frame = TextFrame(DeviceOf(dc));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    double top = frame.top;
    SIZE title, name;
    {
        Selected font(dc, PictureFont(style, TitlePoints, true));
        title = TextSize(dc, picture.Title());
        WriteText(dc, {static_cast<double>(frame.left), top, 0, 0}, picture.Title());
    }
    top += title.cy;
    Selected font(dc, PictureFont(style, NamePoints));
    const std::string book = PrintedDocumentName(documentPath);
    name = TextSize(dc, book);
    WriteText(dc, {static_cast<double>(frame.left), top, 0, 0}, book);
    top += name.cy + HeaderGapMm * style.unitsPerMm;
    const DrawingArea page{static_cast<double>(frame.left), top, static_cast<double>(frame.right - frame.left),
                           frame.bottom - top};
    const std::string note = picture.DrawOnPage(dc, page, style, screen);
    // The note at the right of the name's line, in the header's font again.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const SIZE noteSize = TextSize(dc, note);
    WriteText(dc, {static_cast<double>(frame.right - noteSize.cx), top - name.cy - HeaderGapMm * style.unitsPerMm, 0, 0},
              note);
}

int PrintPicture(HWND owner, Picture& picture, const DrawingArea& screen, const std::string& documentPath) {
    return PrintOnePage(owner, PrintedDocumentName(documentPath), [&](HDC printer) {
        DrawPicturePage(printer, picture, screen, documentPath);
        return true;
    });
}
