#include "numeric/precision_options.h"

#include <cmath>

#include "numeric/precision_settings.h"
#include "text/number_text.h"

namespace {
// Cuts the number in text toward zero and keeps it within low..high. The clamping
// is done on the double, so huge and infinite values never reach an int
// conversion out of its range; a text that is not a number (NaN) counts as 0.
// Appends the note "! Len Frac <what> = <value>" when the value had to be clamped.
int ClampedSetting(const char* text, int low, int high, const char* what, std::string& notes) {
    double value = ParseNumber(text);
    if (std::isnan(value)) value = 0;
    value = std::trunc(value);
    int result;
    if (value < low)
        result = low;
    else if (value > high)
        result = high;
    else
        return static_cast<int>(value);
    notes += "\r\n! Len Frac ";
    notes += what;
    notes += " =";
    notes += FormatNumber(result);
    notes += "\r\n";
    return result;
}
} // namespace

std::string ApplyPrecisionOptions(const char* linearText, const char* angleText) {
    std::string notes;
    LinearDecimals = ClampedSetting(linearText, MinLinearDecimals, MaxLinearDecimals, "Linear", notes);
    AngleDecimals = ClampedSetting(angleText, MinAngleDecimals, MaxAngleDecimals, "Angles", notes);
    return notes;
}
