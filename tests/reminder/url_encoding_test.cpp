#include "reminder/url_encoding.h"

#include <gtest/gtest.h>

namespace natalo {
namespace {

TEST(Cp1252ToUtf8, ConvertsEveryRangeOfTheCodePage) {
    EXPECT_EQ(Cp1252ToUtf8("Anna"), "Anna");
    EXPECT_EQ(Cp1252ToUtf8("\xE4\xDF\xFF\xA0"), "\xC3\xA4\xC3\x9F\xC3\xBF\xC2\xA0");
    // The 0x80..0x9F block holds typographic characters, not Latin-1 controls.
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(Cp1252ToUtf8("\x8A"), "\xC5\xA0");      // S with caron
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8");      // Y with diaeresis
    EXPECT_EQ(Cp1252ToUtf8("\x99"), "\xE2\x84\xA2");  // trade mark sign
    // Bytes without a character keep their number.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");
}

TEST(PercentEncodeQueryValue, KeepsOnlyUnreservedCharacters) {
    EXPECT_EQ(PercentEncodeQueryValue("AZaz09-._~"), "AZaz09-._~");
    EXPECT_EQ(PercentEncodeQueryValue("Tom & Jerry=1#x?"), "Tom%20%26%20Jerry%3D1%23x%3F");
    EXPECT_EQ(PercentEncodeQueryValue("+49 170/123%"), "%2B49%20170%2F123%25");
    EXPECT_EQ(PercentEncodeQueryValue("a@b.de"), "a%40b.de");
    EXPECT_EQ(PercentEncodeQueryValue(""), "");
}

TEST(PercentEncodeQueryValue, EncodesTheUtf8OfAnsiText) {
    EXPECT_EQ(PercentEncodeQueryValue("Jörg Müßig"), "J%C3%B6rg%20M%C3%BC%C3%9Fig");
    EXPECT_EQ(PercentEncodeQueryValue("\x80"), "%E2%82%AC");
}

TEST(PercentEncodeMailAddress, KeepsTheAtSignButNoHeaderSyntax) {
    EXPECT_EQ(PercentEncodeMailAddress("anna.muster@example.com"), "anna.muster@example.com");
    EXPECT_EQ(PercentEncodeMailAddress("a@b.de?bcc=x@y.de&subject=hi"),
              "a@b.de%3Fbcc%3Dx@y.de%26subject%3Dhi");
    EXPECT_EQ(PercentEncodeMailAddress("j\xF6rg@b.de"), "j%C3%B6rg@b.de");
}

}  // namespace
}  // namespace natalo
