// Lines of text as a selection in the editor gives them to the readers of tables.
#pragma once

#include <string>
#include <vector>

#include "text/selected_lines.h"

// The texts as lines, the first numbered `first`; the lines view the texts given.
inline std::vector<TextLine> Lines(const std::vector<std::string>& texts, int first = 1) {
    std::vector<TextLine> lines;
    for (const std::string& text : texts)
        lines.push_back({first++, text});
    return lines;
}
