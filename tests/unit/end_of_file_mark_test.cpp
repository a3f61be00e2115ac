// Where a file is cut short by an end-of-file mark, and the warning that says so.
#include <gtest/gtest.h>

#include <string>

#include "files/end_of_file_mark.h"

using namespace std::string_literals;

TEST(FindEndOfFileMark, GivesTheFirstMarkAndTheBytesAfterIt) {
    EXPECT_EQ(FindEndOfFileMark("abc").bytesAfter, 0u);
    EXPECT_EQ(FindEndOfFileMark("").bytesAfter, 0u);
    EXPECT_EQ(FindEndOfFileMark("abc\x1A").bytesAfter, 0u); // one mark as the last byte
    const EndOfFileMark mark = FindEndOfFileMark("abc\r\ndef\x1Aghi\r\n\x1A");
    EXPECT_EQ(mark.offset, 8u);
    EXPECT_EQ(mark.bytesAfter, 6u);
    EXPECT_EQ(FindEndOfFileMark("\x1A\x1A").offset, 0u);
    EXPECT_EQ(FindEndOfFileMark("\x1A\x1A").bytesAfter, 1u);
    EXPECT_EQ(FindEndOfFileMark("a\0\x1A" "b"s).offset, 2u);
}

// The shell scenario checks the warning for several bytes; one byte is said singly.
TEST(EndOfFileMarkWarning, NamesTheOffsetAndTheCount) {
    EXPECT_EQ(EndOfFileMarkWarning({0, 1}),
              "This file continues after an end-of-file mark (Ctrl+Z) at byte 0: the 1 byte after it was not "
              "loaded. Saving will write the file without them.");
}
