// The PDF a print job leaves in the test's print queue, read back on the host
// (print_checker.sh runs pdfinfo, pdftotext and pdftocairo, which a Windows program
// under Wine cannot start).
#pragma once

#include <string>
#include <vector>

struct DriverSettings;

struct PrintedPdf {
    int pages = 0;                        // pdfinfo's "Pages:"
    std::vector<std::string> pageTexts;   // pdftotext -layout, split at its form feeds
    std::string bboxHtml;                 // pdftotext -bbox: the words with their boxes
    std::string svg;                      // pdftocairo -svg of the first page: its drawn paths
};

// Removes the PDF of an earlier job, so that the next read sees the new one.
void ForgetPrintedPdf(const DriverSettings& settings);
// Asks the host to read the PDF once the queue is empty and the file complete, and
// waits for the answer (at most about two minutes); fails when no PDF came.
PrintedPdf ReadPrintedPdf(const DriverSettings& settings);
