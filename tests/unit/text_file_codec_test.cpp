// The field book's file format: file bytes to editor text and back.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "files/text_file_codec.h"

using namespace std::string_literals;
using namespace std::string_view_literals;

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string text;
};

class TextFromFileBytesTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(TextFromFileBytesTest, ReadsAsTextMode) {
    EXPECT_EQ(TextFromFileBytes(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TextFromFileBytesTest,
    testing::Values(
        DecodeCase{"Empty", "", ""},
        DecodeCase{"OneLineWithoutEnd", "PK0=12", "PK0=12\r\n"},
        DecodeCase{"LfOnlyWithEmptyLineNoFinalEnd", "a\n\nb", "a\r\n\r\nb\r\n"},
        DecodeCase{"FinalLfGetsNoExtraLine", "a\nb\n", "a\r\nb\r\n"},
        DecodeCase{"CrLfUnchanged", "a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n"},
        DecodeCase{"OnlyLineEnds", "\n\r\n", "\r\n\r\n"},
        DecodeCase{"CrAloneStaysCr", "a\rb\r", "a\rb\r\r\n"},
        DecodeCase{"CrBeforeCrLf", "a\r\r\nb", "a\r\r\nb\r\n"},
        DecodeCase{"MixedEnds", "a\r\nb\nc\rd", "a\r\nb\r\nc\rd\r\n"},
        DecodeCase{"CtrlZEndsTheFile", "a\nb\x1A" "c\nd\n", "a\r\nb\r\n"},
        DecodeCase{"CtrlZAfterLineEnd", "a\r\n\x1A" "b", "a\r\n"},
        DecodeCase{"CtrlZFirst", "\x1A" "abc", ""},
        DecodeCase{"CrBeforeCtrlZStaysCr", "a\r\x1A\n", "a\r\r\n"},
        DecodeCase{"NulBecomesBlankAndKeepsTheRest", "a\0b\nc\0"s, "a b\r\nc \r\n"},
        DecodeCase{"HighBytesUntouched", "\xC0\xFF\x80\n", "\xC0\xFF\x80\r\n"}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

TEST(TextFromFileBytes, SavedTextReadsBackUnchanged) {
    // What the editor writes (CR LF line ends, final line end) is what it reads.
    const std::string text = "Calculation on linear trace\r\nPK0= 100\r\n\r\nApk= 12.3456\r\n";
    EXPECT_EQ(TextFromFileBytes(FileBytesFromText(text)), text);
}

TEST(TextFromFileBytes, AMegabyteLineIsReadWhole) {
    std::string line(1 << 20, 'x');
    line[0] = 'A';
    line.back() = 'Z';
    const std::string text = TextFromFileBytes(line);
    ASSERT_EQ(text.size(), line.size() + 2);
    EXPECT_EQ(text.compare(0, line.size(), line), 0);
    EXPECT_EQ(text.substr(line.size()), "\r\n");
}

TEST(FileBytesFromText, WritesExactlyTheTextUpToItsEnd) {
    EXPECT_EQ(FileBytesFromText("a\r\n\r\nb\r\n"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(FileBytesFromText("a\r\n\r\nb\r\n").size(), 8u);
    EXPECT_EQ(FileBytesFromText("no final end"), "no final end");
    EXPECT_EQ(FileBytesFromText(""), "");
    EXPECT_EQ(FileBytesFromText("ab\0cd"sv), "ab");
}
