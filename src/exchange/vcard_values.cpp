#include "exchange/vcard_values.h"

#include <algorithm>
#include <optional>

#include "exchange/ascii_text.h"
#include "exchange/text_encoding.h"

namespace natalo {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const char upper = AsciiUpper(c);
    if (upper >= 'A' && upper <= 'F')
        return upper - 'A' + 10;
    return -1;
}

bool IsWindows1252Name(std::string_view charset) {
    const std::string name = AsciiUpper(TrimBlanks(charset));
    for (const std::string_view known :
         {"WINDOWS-1252", "CP1252", "CP-1252", "X-CP1252", "ISO-8859-1", "ISO8859-1", "ISO_8859-1",
          "LATIN1", "LATIN-1", "L1"}) {
        if (name == known)
            return true;
    }
    return false;
}

std::string ToUtf8(std::string_view bytes, const VCardProperty& property) {
    const std::string* charset = property.Parameter("CHARSET");
    if ((charset && IsWindows1252Name(*charset)) || !IsValidUtf8(bytes))
        return Utf8FromWindows1252(bytes);
    return std::string(bytes);
}

// The value's bytes in its character set, or nothing for a binary value.
std::optional<std::string> RawBytes(const VCardProperty& property) {
    const std::string* encoding = property.Parameter("ENCODING");
    if (!encoding)
        return property.value;
    const std::string upper = AsciiUpper(*encoding);
    if (upper == "QUOTED-PRINTABLE")
        return DecodeQuotedPrintable(property.value);
    if (upper == "B" || upper == "BASE64")
        return std::nullopt;
    return property.value;  // 8BIT, 7BIT
}

}  // namespace

std::string DecodeQuotedPrintable(std::string_view value) {
    std::string bytes;
    bytes.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '=' && i + 2 < value.size() && HexDigit(value[i + 1]) >= 0 &&
            HexDigit(value[i + 2]) >= 0) {
            bytes += static_cast<char>(HexDigit(value[i + 1]) * 16 + HexDigit(value[i + 2]));
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return bytes;
}

std::string Unescape(std::string_view value) {
    std::string text;
    text.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char next = value[++i];
        switch (next) {
            case '\\':
            case ',':
            case ';':
            case ':':
                text += next;
                break;
            case 'n':
            case 'N':
                text += '\n';
                break;
            default:
                text += '\\';
                text += next;
        }
    }
    return text;
}

std::string TextValue(const VCardProperty& property) {
    const std::optional<std::string> bytes = RawBytes(property);
    return bytes ? Unescape(ToUtf8(*bytes, property)) : std::string();
}

std::vector<std::string> TextComponents(const VCardProperty& property) {
    std::vector<std::string> components;
    const std::optional<std::string> bytes = RawBytes(property);
    if (!bytes)
        return components;
    // The conversion to UTF-8 neither adds nor removes a ";" or a "\", so the structure
    // survives it.
    const std::string text = ToUtf8(*bytes, property);
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\\') {
            i += 2;
        } else if (text[i] == ';') {
            components.push_back(Unescape(std::string_view(text).substr(start, i - start)));
            start = ++i;
        } else {
            ++i;
        }
    }
    components.push_back(Unescape(std::string_view(text).substr(std::min(start, text.size()))));
    return components;
}

}  // namespace natalo
