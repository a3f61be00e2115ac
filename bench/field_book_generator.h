// A generated field book: report-shaped lines as the calculators append them, for
// measuring how the editor copes with a large document.
#pragma once

#include <cstddef>
#include <string>

// Whole reports with CR LF line ends, numbers varying from one report to the next,
// until the text holds at least minimumBytes bytes.
std::string GenerateFieldBook(std::size_t minimumBytes);

// One report of about 600 bytes, the size of one calculation's report.
std::string GenerateReport(int number);
