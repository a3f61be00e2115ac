#include "numeric/report_numbers.h"

#include "numeric/number_formats.h"
#include "numeric/precision_settings.h"
#include "text/number_text.h"

std::string LinearText(double value) {
    return FormatFixed(value, LinearDecimals);
}

std::string AngleText(double angle) {
    return FormatDms(angle);
}

double LinearTextValue(double value) {
    return ParseNumber(FormatFixed(value, LinearDecimals));
}
