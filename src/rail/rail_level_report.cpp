#include "rail/rail_level_report.h"

#include <string>


CalculationOutput RailLevelOutput(double y_rp) {
    std::string text = LinearText(y_rp);
    CalculationOutput output;
    output.resultFields.emplace_back(IDC_Y_RP, text);
    output.resultPieces.push_back("\r\nYrp=" + text + "\r\n");
    return output;
}
