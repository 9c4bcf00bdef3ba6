// UTF-8 text written as itself in a test. Plain string literals are compiled into the
// program's code page (Windows-1252), which has no room for "ş" or "中"; u8 literals keep
// the UTF-8 bytes that files from other programs hold.
#pragma once

#include <string>
#include <string_view>

namespace natalo::testing {

inline std::string Utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

}  // namespace natalo::testing
