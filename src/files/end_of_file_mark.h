// A file whose text ends at an end-of-file mark (Ctrl+Z, byte 26) with bytes after
// it: the load keeps the text before the mark (text_file_codec.h) and tells the user
// what it left out.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The first mark's offset from the start of the file (counting from 0) and the count
// of bytes after it. bytesAfter is 0 when nothing is left out: no mark at all, or one
// mark as the very last byte, which older tools write and which needs no word.
struct EndOfFileMark {
    std::size_t offset = 0;
    std::size_t bytesAfter = 0;
};
EndOfFileMark FindEndOfFileMark(std::string_view bytes);

// "This file continues after an end-of-file mark (Ctrl+Z) at byte N: the M bytes after
// it were not loaded. Saving will write the file without them." ("the 1 byte after it
// was not loaded" for one byte).
std::string EndOfFileMarkWarning(const EndOfFileMark& mark);
