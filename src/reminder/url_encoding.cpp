#include "reminder/url_encoding.h"

#include <array>
#include <cstdint>

namespace natalo {
namespace {

// Unicode code points of the bytes 0x80..0x9F in code page 1252; the undefined bytes keep
// their own number.
constexpr std::array<std::uint16_t, 32> kCp1252HighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char32_t CodePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kCp1252HighControls[byte - 0x80];
    return byte;  // ASCII and 0xA0..0xFF equal Latin-1
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    // Code page 1252 reaches only the Basic Multilingual Plane: at most three bytes.
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string PercentEncode(std::string_view text, char alsoKept) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (const char byte : Cp1252ToUtf8(text)) {
        const auto c = static_cast<unsigned char>(byte);
        if (IsUnreserved(c) || (alsoKept != '\0' && byte == alsoKept)) {
            out += byte;
        } else {
            out += '%';
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0x0F];
        }
    }
    return out;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char byte : text)
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(byte)));
    return out;
}

std::string PercentEncodeQueryValue(std::string_view text) {
    return PercentEncode(text, '\0');
}

std::string PercentEncodeMailAddress(std::string_view address) {
    return PercentEncode(address, '@');
}

}  // namespace natalo
