#include "numeric/report_numbers.h"

#include "numeric/number_formats.h"
#include "numeric/precision_settings.h"
#include "text/number_text.h"

std::string LinearText(double value) {
    std::string text;
    AppendFixed(text, value, LinearDecimals);
    return text;
}

void AppendLinearText(std::string& out, std::string_view label, double value) {
    AppendFixed(out, value, LinearDecimals, label);
}

std::string SignedLinearText(double value) {
    std::string text = LinearText(value);
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string AngleText(double angle) {
    return FormatDms(angle);
}

double LinearTextValue(double value) {
    return ParseNumber(FormatFixed(value, LinearDecimals));
}
