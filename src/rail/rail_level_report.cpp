#include "rail/rail_level_report.h"

#include <string>

#include "numeric/number_formats.h"
#include "numeric/precision_settings.h"

CalculationOutput RailLevelOutput(double y_rp) {
    std::string text = FormatFixed(y_rp, LinearDecimals);
    CalculationOutput output;
    output.resultFields.emplace_back(IDC_Y_RP, text);
    output.resultPieces.push_back("\r\nYrp=" + text + "\r\n");
    return output;
}
