// Percent-encoding of the values that go into web and mailto addresses. Program text is
// ANSI (code page 1252); addresses carry UTF-8, so the bytes are converted first.
#pragma once

#include <string>
#include <string_view>

namespace natalo {

// The UTF-8 form of code page 1252 text. The five bytes that code page 1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same
// number, as Windows converts them.
std::string Cp1252ToUtf8(std::string_view text);

// A query value for a URL: the UTF-8 of the text with A-Z a-z 0-9 - . _ ~ kept and every
// other byte written as %XX (upper-case hex), so that "&", "#", "=" or a blank in a name
// cannot cut the query or add parameters.
std::string PercentEncodeQueryValue(std::string_view text);

// The address part of a "mailto:" URL: encoded like a query value except that "@" stays,
// so that a "?" or "&" in an imported address cannot add headers to the message.
std::string PercentEncodeMailAddress(std::string_view address);

}  // namespace natalo
