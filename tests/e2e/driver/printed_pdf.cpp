#include "driver/printed_pdf.h"

#include <windows.h>

#include <cstdlib>

#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/scenario.h"
#include "driver/waiting.h"

namespace {
constexpr DWORD kPdfWaitMs = 150000;
}  // namespace

void ForgetPrintedPdf(const DriverSettings& settings) {
    DeleteFileA(settings.printPdf.c_str());
    Check(GetFileAttributesA(settings.printPdf.c_str()) == INVALID_FILE_ATTRIBUTES,
          "the PDF of an earlier job can be removed");
}

PrintedPdf ReadPrintedPdf(const DriverSettings& settings) {
    const std::string answer = JoinPath(settings.printRequests, "pdf-read");
    DeleteFileA(answer.c_str());
    WriteFileBytes(JoinPath(settings.printRequests, "read-pdf"), "");
    std::string read;
    WaitFor([&] { return TryReadFileBytes(answer, read) && !read.empty(); },
            "the host to read the printed PDF back", kPdfWaitMs);
    const std::string info = ReadFileBytes(JoinPath(settings.printRequests, "pdfinfo.txt"));
    Check(read[0] == '1', "a complete PDF in the print queue's file; pdfinfo said: " + Visible(info, 300));
    PrintedPdf pdf;
    const size_t pagesAt = info.find("Pages:");
    Check(pagesAt != std::string::npos, "pdfinfo names the page count: " + Visible(info, 300));
    pdf.pages = std::atoi(info.c_str() + pagesAt + 6);
    TryReadFileBytes(JoinPath(settings.printRequests, "pdfbbox.html"), pdf.bboxHtml);
    TryReadFileBytes(JoinPath(settings.printRequests, "pdf.svg"), pdf.svg);
    const std::string text = ReadFileBytes(JoinPath(settings.printRequests, "pdftext.txt"));
    size_t start = 0;
    for (size_t feed = text.find('\f'); feed != std::string::npos; feed = text.find('\f', start)) {
        pdf.pageTexts.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    return pdf;
}
