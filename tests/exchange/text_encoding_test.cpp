#include "exchange/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/utf8_text.h"

namespace natalo {
namespace {

TEST(Windows1252FromCodePoint, LatinOneAndTheExtraCharactersOfTheCodePage) {
    EXPECT_EQ(Windows1252FromCodePoint(U'A'), 'A');
    EXPECT_EQ(Windows1252FromCodePoint(0x00E4), '\xE4');  // ä
    EXPECT_EQ(Windows1252FromCodePoint(0x00DF), '\xDF');  // ß
    EXPECT_EQ(Windows1252FromCodePoint(0x00A0), '\xA0');
    EXPECT_EQ(Windows1252FromCodePoint(0x00FF), '\xFF');
    EXPECT_EQ(Windows1252FromCodePoint(0x20AC), '\x80');  // €
    EXPECT_EQ(Windows1252FromCodePoint(0x201E), '\x84');  // „
    EXPECT_EQ(Windows1252FromCodePoint(0x0160), '\x8A');  // Š
    EXPECT_EQ(Windows1252FromCodePoint(0x2013), '\x96');  // –
    EXPECT_EQ(Windows1252FromCodePoint(0x2122), '\x99');  // ™
    EXPECT_EQ(Windows1252FromCodePoint(0x0178), '\x9F');  // Ÿ
    EXPECT_EQ(Windows1252FromCodePoint(0x0081), '\x81');  // undefined byte round-trips
}

TEST(Windows1252FromCodePoint, CharactersTheCodePageLacksBecomeQuestionMarks) {
    for (const char32_t c :
         {char32_t{0x0080}, char32_t{0x0085}, char32_t{0x009F}, char32_t{0x0100}, char32_t{0x0141},
          char32_t{0x03A9}, char32_t{0x4E2D}, char32_t{0x1F600}, kReplacementCharacter}) {
        EXPECT_EQ(Windows1252FromCodePoint(c), '?') << std::hex << static_cast<int>(c);
    }
}

TEST(IsValidUtf8, AcceptsWellFormedTextOnly) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(
        IsValidUtf8("M\xC3\xBC"
                    "ller \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD"));  // U+FFFD itself is a character
    EXPECT_FALSE(IsValidUtf8("M\xFCller"));    // ANSI ü
    EXPECT_FALSE(IsValidUtf8("\xC3"));         // cut short
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xBC"));              // continuation without a lead
    EXPECT_FALSE(IsValidUtf8("\xC3\xBC\xC3 x"));
}

TEST(Windows1252Converter, ConvertsAndMarksWhatItCannotShow) {
    const Windows1252Converter converter;
    EXPECT_EQ(converter.FromUtf8("J\xC3\xB6rg M\xC3\xBC\xC3\x9F"
                                 "ig"),
              "Jörg Müßig");
    EXPECT_EQ(converter.FromUtf8("\xE2\x82\xAC 5 \xE2\x80\x93 \xC5\x81\xC3\xB3"
                                 "d\xC5\xBA"),
              "\x80 5 \x96 L\xF3"
              "dz");
    EXPECT_EQ(converter.FromUtf8("\xF0\x9F\x98\x80!"), "?!");
    // Each stray byte becomes one "?", and the text after it is read on.
    EXPECT_EQ(converter.FromUtf8("a\xFF"
                                 "b\xC3"),
              "a?b?");
    EXPECT_EQ(converter.FromUtf8("\xE2\x82"
                                 "A"),
              "??A");
}

TEST(Windows1252Converter, LatinLettersTheCodePageLacksLoseTheirDiacriticsOnly) {
    using testing::Utf8;
    struct Case {
        std::string utf8;
        std::string ansi;
        std::size_t lost;
    };
    const std::vector<Case> cases{
        {Utf8(u8"Ayşe Öztürk, Łukasz Dvořák"), "Ayse \xD6zt\xFCrk, Lukasz Dvor\xE1k", 0},
        {Utf8(u8"ğ ı İ ő Ű ț Ș ă ż ą Ę ć ń ś ź đ Đ ħ ē ļ ų ė ŧ ǎ ơ ư Nguyễn ḍ"),
         "g i I o U t S a z a E c n s z d D h e l u e t a o u Nguyen d", 0},
        // What the code page has stays as it is.
        {Utf8(u8"ä é ß ø Ø Š ž Œ æ"), "\xE4 \xE9 \xDF \xF8 \xD8 \x8A \x9E \x8C \xE6", 0},
        // Other scripts, Latin letters that are no letter with a mark, and signs.
        {Utf8(u8"Ωμέγα Жанна 中文 ŋ ŀ ǆ ∑ 😀 ?"), "????? ????? ?? ? ? ? ? ? ?", 17},
        {"a\xFF?\xC3", "a???", 2},
    };
    for (const Case& c : cases) {
        std::size_t lost = 0;
        EXPECT_EQ(Windows1252Converter().FromUtf8(c.utf8, lost), c.ansi) << c.utf8;
        EXPECT_EQ(lost, c.lost) << c.utf8;
    }
}

}  // namespace
}  // namespace natalo
