#include "files/text_file_codec.h"

#include <algorithm>

namespace {

constexpr char EndOfFileMark = 26; // Ctrl+Z
constexpr char Cr = '\r';
constexpr char Lf = '\n';

} // namespace

std::string TextFromFileBytes(std::string_view bytes) {
    const std::size_t end = std::min(bytes.find(EndOfFileMark), bytes.size());
    const std::string_view file = bytes.substr(0, end);

    std::string text;
    // Each line gains at most one byte (an LF becomes CR LF) plus a final CR LF.
    text.reserve(file.size() + file.size() / 8 + 2);
    bool lineOpen = false; // characters read since the last line end
    for (std::size_t i = 0; i < file.size(); ++i) {
        const char c = file[i];
        if (c == Lf || (c == Cr && i + 1 < file.size() && file[i + 1] == Lf)) {
            if (c == Cr) ++i; // CR LF is one line end
            text += "\r\n";
            lineOpen = false;
            continue;
        }
        text += c == '\0' ? ' ' : c;
        lineOpen = true;
    }
    if (lineOpen) text += "\r\n";
    return text;
}

std::string_view FileBytesFromText(std::string_view text) {
    return text.substr(0, std::min(text.find('\0'), text.size()));
}
