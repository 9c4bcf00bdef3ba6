#include "exchange/text_encoding.h"

#include <gtest/gtest.h>

#include "exchange/latin_folding.h"
#ifndef _WIN32
#include <iconv.h>
#include <locale.h>
#endif

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
    // Latin letters it lacks lose their marks only (Ł, ź); ø, Š and ß it has; Ж is lost.
    std::size_t lost = 0;
    EXPECT_EQ(converter.FromUtf8("\xE2\x82\xAC 5 \xE2\x80\x93 \xC5\x81\xC3\xB3"
                                 "d\xC5\xBA \xC3\xB8\xC5\xA0\xC3\x9F \xD0\x96?",
                                 lost),
              "\x80 5 \x96 L\xF3"
              "dz \xF8\x8A\xDF ??");
    EXPECT_EQ(converter.FromUtf8("\xF0\x9F\x98\x80!", lost), "?!");
    EXPECT_EQ(lost, 2u);
    // Each stray byte becomes one "?", and the text after it is read on.
    EXPECT_EQ(converter.FromUtf8("a\xFF"
                                 "b\xC3"),
              "a?b?");
    EXPECT_EQ(converter.FromUtf8("\xE2\x82"
                                 "A"),
              "??A");
}

// Each letter against glibc's transliteration to ASCII (in its built-in C.UTF-8 locale).
TEST(LatinLetterWithoutDiacritic, EachLetterAsTheCLibraryTransliteratesIt) {
#ifndef _WIN32
    std::string letters, folded;
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if (const char letter = LatinLetterWithoutDiacritic(c)) {
            AppendUtf8(letters, c);
            letters += '\n';
            folded += {letter, '\n'};
        }
    }
    ASSERT_TRUE(setlocale(LC_CTYPE, "C.UTF-8"));
    const iconv_t toAscii = iconv_open("ASCII//TRANSLIT", "UTF-8");
    std::string ascii(letters.size(), '\0');
    char *in = letters.data(), *out = ascii.data();
    std::size_t inLeft = letters.size(), outLeft = ascii.size();
    iconv(toAscii, &in, &inLeft, &out, &outLeft);
    iconv_close(toAscii);
    setlocale(LC_CTYPE, "C");
    EXPECT_EQ(ascii.substr(0, ascii.size() - outLeft), folded);
    EXPECT_EQ(folded.size(), 2 * 501u);
#endif
}

}  // namespace
}  // namespace natalo
