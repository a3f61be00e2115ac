// File > Print through the real Print dialog to the test's PDF queue (a private CUPS
// scheduler, see tests/e2e/run_e2e.sh), the PDF read back page by page.
#include <algorithm>
#include <string>
#include <vector>

#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/document_steps.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/printed_pdf.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "driver/window_search.h"
#include "resource_ids.h"

namespace {

constexpr DWORD kPrintWaitMs = 120000;

// 170 report lines, one with a tab on line 5, a word of 250 characters on line 10 and
// report lines of 230 characters on lines 20 and 30: three pages or more at 10 points
// with 20 mm margins on any sheet.
std::vector<std::string> BookLines() {
    std::vector<std::string> lines;
    for (int n = 1; n <= 170; ++n) {
        if (n == 20 || n == 30) {
            std::string report = "P" + std::to_string(n);
            for (int k = 0; report.size() < 230; ++k)
                report += "   PKpz=" + std::to_string(1078 + k) + ".5398   R-(Z)=1199.4994   START-V" +
                          std::to_string(k % 10);
            lines.push_back(report);
        } else if (n == 5) {
            lines.push_back("TAB\tSTOP 5");
        } else if (n == 10) {
            std::string longLine = "L";
            for (int k = 0; longLine.size() < 250; ++k) longLine += std::to_string(k % 10) + (k % 10 == 9 ? "|" : "");
            lines.push_back(longLine.substr(0, 250));
        } else {
            lines.push_back("PZ: " + std::to_string(1000 + n) + "   Y=" + std::to_string(5021 + n) + ".331   X=7310." +
                            std::to_string(100 + n));
        }
    }
    return lines;
}

std::string RightTrimmed(std::string line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
    return line;
}

std::vector<std::string> NonEmptyLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = RightTrimmed(text.substr(start, end - start));
        if (!line.empty()) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The book's lines as they should print at `columns` columns: tabs to the next
// multiple of 8; a long line continued, indented by 4, after the last word that fits
// (the blanks at a break not printed); a word longer than a line cut where it ends.
std::vector<std::string> ExpectedPrintedLines(const std::vector<std::string>& book, size_t columns) {
    const std::string indent(4, ' ');
    std::vector<std::string> printed;
    for (const std::string& line : book) {
        std::string expanded;
        for (char c : line) {
            if (c == '\t') expanded += std::string(8 - expanded.size() % 8, ' ');
            else expanded += c;
        }
        // Word by word: a word joins the printed line with the blanks before it when it fits.
        std::vector<std::string> pieces;
        std::string current;
        size_t room = columns;
        for (size_t at = 0; at < expanded.size();) {
            const size_t wordStart = std::min(expanded.find_first_not_of(' ', at), expanded.size());
            const size_t wordEnd = std::min(expanded.find(' ', wordStart), expanded.size());
            const std::string gap = expanded.substr(at, wordStart - at);
            const std::string word = expanded.substr(wordStart, wordEnd - wordStart);
            if (pieces.empty() && current.empty()) {
                current = gap + word;
            } else if (current.size() + gap.size() + word.size() <= room) {
                current += gap + word;
            } else {
                pieces.push_back(current);
                room = columns - indent.size();
                current = word;
            }
            while (current.size() > room) {
                pieces.push_back(current.substr(0, room));
                room = columns - indent.size();
                current.erase(0, pieces.back().size());
            }
            at = wordEnd;
        }
        pieces.push_back(current);
        for (size_t k = 0; k < pieces.size(); ++k) printed.push_back(RightTrimmed((k > 0 ? indent : "") + pieces[k]));
    }
    return printed;
}

void PrintsTheBookToThePdfQueue(ScenarioContext& context) {
    const DriverSettings& settings = context.Settings();
    if (settings.printPdf.empty()) throw ScenarioSkipped("no printer: " + settings.printerSkipReason);
    const std::vector<std::string> book = BookLines();
    std::string bytes;
    for (const std::string& line : book) bytes += line + "\r\n";
    WriteFileBytes(context.PathOf("field book.txt"), bytes);
    ForgetPrintedPdf(settings);

    Program& program = context.Start();
    OpenThroughDialog(program, "field book.txt");
    program.Command(CMD_FILE_PRINT);
    HWND print = WaitForDialog(program, "Print");
    PressAndWaitClosed(print, IDOK);
    // The printing box closes when the job has been handed to the queue.
    WaitFor([&] { return NoDialogOpen(program); }, "the printing to end", kPrintWaitMs);
    const PrintedPdf pdf = ReadPrintedPdf(settings);

    Check(pdf.pages >= 3, "three pages or more printed, pdfinfo says " + std::to_string(pdf.pages));
    Check(static_cast<int>(pdf.pageTexts.size()) == pdf.pages,
          "pdftotext gives as many pages as pdfinfo: " + std::to_string(pdf.pageTexts.size()));
    std::vector<std::string> body;
    for (int page = 1; page <= pdf.pages; ++page) {
        std::vector<std::string> lines = NonEmptyLines(pdf.pageTexts[static_cast<size_t>(page - 1)]);
        Check(!lines.empty(), "page " + std::to_string(page) + " is not empty");
        const std::string& header = lines.front();
        const std::string pageText = "Page " + std::to_string(page) + " of " + std::to_string(pdf.pages);
        Check(header.rfind("field book.txt ", 0) == 0 && header.size() > pageText.size() &&
                  header.compare(header.size() - pageText.size(), pageText.size(), pageText) == 0 &&
                  header.find_first_not_of(' ', 14) == header.size() - pageText.size(),
              "the header of page " + std::to_string(page) + " is \"" + header + "\"");
        body.insert(body.end(), lines.begin() + 1, lines.end());
    }
    // The columns of a printed line: the first piece of the long line fills them.
    const auto longStart = std::find_if(body.begin(), body.end(), [](const std::string& l) { return l[0] == 'L'; });
    Check(longStart != body.end(), "the long line is printed");
    const size_t columns = longStart->size();
    Check(columns >= 40 && columns < 250, "the long line continues on the next printed line (" +
                                              std::to_string(columns) + " columns)");
    const std::vector<std::string> expected = ExpectedPrintedLines(book, columns);
    Check(body.size() == expected.size(), "every line of the book printed: " + std::to_string(body.size()) +
                                              " printed lines, expected " + std::to_string(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i)
        CheckText(body[i], expected[i], "printed line " + std::to_string(i + 1));
    CheckText(EditorText(program), bytes, "the text after printing");
}

}  // namespace

std::vector<Scenario> PrintScenarios() {
    return {
        {"print: File > Print through the Print dialog to the PDF queue: three pages or more, each headed by the "
         "file's name and \"Page n of m\", every line of the book in order, the tab expanded, long report lines "
         "broken at blanks and continued indented, only a word longer than a line cut",
         PrintsTheBookToThePdfQueue},
    };
}
