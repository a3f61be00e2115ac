#include "landxml/import_context.h"

#include "landxml/landxml_numbers.h"
#include "numeric/number_formats.h"

std::string Fixed(double value, int decimals) {
    return FormatFixed(value, decimals);
}

double RequiredNumber(const std::string& text, int line, const std::string& what) {
    double value = 0;
    if (text.empty()) throw ImportRefusal{line, what + " is missing"};
    if (!ReadFileNumber(text, value)) throw ImportRefusal{line, what + " \"" + text + "\" is not a number"};
    return value;
}
