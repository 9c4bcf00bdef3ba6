#include "exchange/win32_ansi_converter.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace natalo {
namespace {

// The conversion calls take int lengths; a big file goes through in pieces.
constexpr std::size_t kPieceSize = 1 << 20;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The length of the piece that starts the text, ending on a character boundary (a
// malformed run of continuation bytes may still be cut; each byte of it becomes "?"
// either way).
std::size_t PieceLength(std::string_view text) {
    if (text.size() <= kPieceSize)
        return text.size();
    std::size_t end = kPieceSize;
    for (int back = 0; back < 3 && end > 0 && IsContinuationByte(text[end]); ++back)
        --end;
    return end > 0 ? end : kPieceSize;
}

bool IsHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// No ANSI code page holds a character beyond the 16-bit range (an emoji, say); converted
// as its two halves it would become "??". One "?" stands for it instead.
void ReplaceSurrogatePairs(std::vector<wchar_t>& wide) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (IsHighSurrogate(wide[i]) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
            wide[kept++] = L'?';
            ++i;
        } else {
            wide[kept++] = wide[i];
        }
    }
    wide.resize(kept);
}

void AppendConverted(std::string_view piece, std::string& out) {
    if (piece.empty())
        return;
    const int pieceLength = static_cast<int>(piece.size());
    // Without MB_ERR_INVALID_CHARS a malformed byte becomes U+FFFD, which the code page
    // then lacks.
    const int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, piece.data(), pieceLength, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength));
    ::MultiByteToWideChar(CP_UTF8, 0, piece.data(), pieceLength, wide.data(), wideLength);
    ReplaceSurrogatePairs(wide);
    const int units = static_cast<int>(wide.size());
    // No "best fit": a character the code page lacks becomes "?", not a look-alike
    // letter that would silently change a name.
    const int ansiLength = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), units,
                                                 nullptr, 0, "?", nullptr);
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(ansiLength));
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), units, out.data() + start,
                          ansiLength, "?", nullptr);
}

}  // namespace

std::string Win32AnsiConverter::FromUtf8(std::string_view utf8) const {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const std::size_t length = PieceLength(utf8);
        AppendConverted(utf8.substr(0, length), out);
        utf8.remove_prefix(length);
    }
    return out;
}

}  // namespace natalo
