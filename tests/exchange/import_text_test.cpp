#include "exchange/import_text.h"

#include <gtest/gtest.h>

namespace natalo {
namespace {

using namespace std::string_literals;

// The same list as ANSI (code page 1252) and as UTF-8.
const std::string kAnsiList = "Jürgen;Müller;\r\nBärbel;Schröder;\r\n";
const std::string kUtf8List =
    "J\xC3\xBCrgen;M\xC3\xBCller;\r\nB\xC3\xA4rbel;Schr\xC3\xB6"
    "der;\r\n";
const std::string kByteOrderMark = "\xEF\xBB\xBF";

std::string Decoded(std::string_view bytes) {
    return DecodeImportFile(bytes, Windows1252Converter()).text;
}

TEST(DecodeImportFile, AnsiAndUtf8WithOrWithoutByteOrderMarkGiveTheSameText) {
    EXPECT_EQ(Decoded(kAnsiList), kAnsiList);
    EXPECT_EQ(Decoded(kUtf8List), kAnsiList);
    EXPECT_EQ(Decoded(kByteOrderMark + kUtf8List), kAnsiList);
}

TEST(DecodeImportFile, OnlyTextThatIsUtf8IsConverted) {
    // ANSI text whose bytes happen to be no UTF-8 stays as it is.
    EXPECT_EQ(Decoded("Stra\xDF"
                      "e \xC3"),
              "Stra\xDF"
              "e \xC3");
    // ASCII is the same either way; the byte-order mark alone goes.
    EXPECT_EQ(Decoded("Anna;Berg"), "Anna;Berg");
    EXPECT_EQ(Decoded(kByteOrderMark + "Anna;Berg"), "Anna;Berg");
    EXPECT_EQ(Decoded(kByteOrderMark), "");
    // With the mark the file says it is UTF-8: stray bytes become "?".
    EXPECT_EQ(Decoded(kByteOrderMark + "Stra\xDF"
                                       "e"),
              "Stra?e");
    EXPECT_EQ(Decoded("\xE2\x82\xAC \xE4\xB8\xAD"), "\x80 ?");
}

TEST(DecodeImportFile, EveryLineEndBecomesCrLf) {
    EXPECT_EQ(Decoded("a\r\nb\rc\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(Decoded("a\n\nb\r\r\n"), "a\r\n\r\nb\r\n\r\n");
    EXPECT_EQ(Decoded("\n"), "\r\n");
}

TEST(DecodeImportFile, TextEndsAtTheFirstNulAndSaysSo) {
    const ImportFileText cut =
        DecodeImportFile("Anna;Berg\r\nBe\0rnd;\r\nCarl"s, Windows1252Converter());
    EXPECT_EQ(cut.text, "Anna;Berg\r\nBe");
    EXPECT_TRUE(cut.endedAtNul);
    EXPECT_FALSE(DecodeImportFile("Anna", Windows1252Converter()).endedAtNul);
    // The bytes before the NUL decide the encoding.
    EXPECT_EQ(Decoded("M\xC3\xBCller\0\xFF"s), "Müller");
}

TEST(NonEmptyLines, OneLinePerLineEndAndBlankLinesCount) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(NonEmptyLines("a\r\n\r\nb\rc\n\nd\r\n"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(NonEmptyLines("a\r\n \r\n\t\r\nb"), (Lines{"a", " ", "\t", "b"}));
    EXPECT_EQ(NonEmptyLines("\r\n\r\n\n\r"), Lines{});
    EXPECT_EQ(NonEmptyLines(""), Lines{});
    EXPECT_EQ(NonEmptyLines("a\r\nb\0c\r\nd"s), (Lines{"a", "b"}));
}

TEST(NonEmptyLines, LongTextIsSplitInOnePass) {
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "Anna;Berg;01.02.1970;f;;;Bonn;;;;;;;\r\n";
    const auto lines = NonEmptyLines(text);
    ASSERT_EQ(lines.size(), 200000u);
    EXPECT_EQ(lines.back(), "Anna;Berg;01.02.1970;f;;;Bonn;;;;;;;");
}

}  // namespace
}  // namespace natalo

namespace natalo {
namespace {

// The UTF-16 bytes of ASCII and Latin-1 text, in either byte order.
std::string Utf16Of(std::string_view latin1, bool bigEndian) {
    std::string bytes;
    for (char c : latin1) {
        const char low = c, high = '\0';
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(DecodeImportFile, Utf16ListsWithByteOrderMarkGiveTheSameText) {
    const std::string list = "Jürgen;Müller;\r\nBärbel;Schröder;\r\n";
    EXPECT_EQ(Decoded("\xFF\xFE" + Utf16Of(list, false)), list);
    EXPECT_EQ(Decoded("\xFE\xFF" + Utf16Of(list, true)), list);
    // A euro sign (U+20AC) and a character code page 1252 lacks (U+4E2D), a surrogate
    // pair (U+1F600) and an unpaired surrogate.
    EXPECT_EQ(Decoded("\xFF\xFE\xAC\x20\x2D\x4E\x3D\xD8\x00\xDE\x00\xD8"s + "a\0"s), "\x80???a");
    // A NUL character ends the text there, and says so.
    const ImportFileText cut =
        DecodeImportFile("\xFF\xFE"s + Utf16Of("Anna", false) + "\0\0"s + Utf16Of("Rest", false),
                         Windows1252Converter());
    EXPECT_EQ(cut.text, "Anna");
    EXPECT_TRUE(cut.endedAtNul);
    // An odd last byte is dropped.
    EXPECT_EQ(Decoded("\xFF\xFE" + Utf16Of("ab", false) + "c"), "ab");
}

}  // namespace
}  // namespace natalo
