#include "files/end_of_file_mark.h"

EndOfFileMark FindEndOfFileMark(std::string_view bytes) {
    EndOfFileMark mark;
    const std::size_t at = bytes.find('\x1A');
    if (at == std::string_view::npos) return mark;
    mark.offset = at;
    mark.bytesAfter = bytes.size() - at - 1;
    return mark;
}

std::string EndOfFileMarkWarning(const EndOfFileMark& mark) {
    const bool one = mark.bytesAfter == 1;
    return "This file continues after an end-of-file mark (Ctrl+Z) at byte " + std::to_string(mark.offset) +
           ": the " + std::to_string(mark.bytesAfter) + (one ? " byte after it was" : " bytes after it were") +
           " not loaded. Saving will write the file without them.";
}
