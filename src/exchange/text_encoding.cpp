#include "exchange/text_encoding.h"

#include <array>

#include "exchange/latin_folding.h"

namespace natalo {
namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves undefined map to
// the C1 control of the same number, as Windows itself round-trips them.
constexpr std::array<char32_t, 32> kHighControlBlock{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return byte >= low && byte <= high;
}

unsigned char ByteAt(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

// The length of the well-formed sequence at pos with its value, or 0 when there is none.
std::size_t WellFormedSequence(std::string_view text, std::size_t pos, char32_t& value) {
    const unsigned char lead = ByteAt(text, pos);
    std::size_t length = 0;
    // The allowed range of the second byte, which excludes overlong forms, surrogates and
    // values above U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        value = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - pos < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = ByteAt(text, pos + i);
        if (i == 1 ? !IsContinuation(next, low, high) : !IsContinuation(next))
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    return length;
}

}  // namespace

char Windows1252FromCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControlBlock.size(); ++i) {
        if (kHighControlBlock[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

char32_t DecodeUtf8At(std::string_view text, std::size_t& pos) {
    char32_t value = 0;
    const std::size_t length = WellFormedSequence(text, pos, value);
    if (length == 0) {
        ++pos;
        return kReplacementCharacter;
    }
    pos += length;
    return value;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    char32_t value = 0;
    while (pos < text.size()) {
        const std::size_t length = WellFormedSequence(text, pos, value);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::string Windows1252Converter::FromUtf8(std::string_view utf8, std::size_t& lost) const {
    std::string ansi;
    ansi.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t codePoint = DecodeUtf8At(utf8, pos);
        char byte = Windows1252FromCodePoint(codePoint);
        if (byte == '?' && codePoint != U'?') {
            byte = LatinLetterWithoutDiacritic(codePoint);
            if (byte == '\0') {
                byte = '?';
                ++lost;
            }
        }
        ansi += byte;
    }
    return ansi;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t CodePointFromWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControlBlock[byte - 0x80] : byte;
}

std::string Utf8FromWindows1252(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    for (const char c : ansi)
        AppendUtf8(out, CodePointFromWindows1252(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string out;
    out.reserve(units);
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units && unitAt(i + 1) >= 0xDC00 &&
            unitAt(i + 1) <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, kReplacementCharacter);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

}  // namespace natalo
