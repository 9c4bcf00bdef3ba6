#include "exchange/win32_ansi_converter.h"

#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "exchange/latin_folding.h"

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
// as its two halves it would become "??". One U+FFFD, which no code page holds either,
// stands for it instead.
void ReplaceSurrogatePairs(std::vector<wchar_t>& wide) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (IsHighSurrogate(wide[i]) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
            wide[kept++] = static_cast<wchar_t>(kReplacementCharacter);
            ++i;
        } else {
            wide[kept++] = wide[i];
        }
    }
    wide.resize(kept);
}

// No "best fit": a character the code page lacks becomes the default character, and the
// caller learns that it did.
std::string ToAnsi(const wchar_t* wide, int units, bool& lacking) {
    BOOL usedDefault = FALSE;
    const int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units, nullptr, 0,
                                             "?", &usedDefault);
    std::string ansi(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units, ansi.data(), length, "?",
                          &usedDefault);
    lacking = usedDefault != FALSE;
    return ansi;
}

// Character by character, for text holding some the code page lacks. Each distinct
// character is asked for once: a long list repeats the same few.
void AppendCharacterWise(const std::vector<wchar_t>& wide, std::string& out, std::size_t& lost) {
    std::unordered_map<wchar_t, std::string> known;
    for (const wchar_t unit : wide) {
        auto found = known.find(unit);
        if (found == known.end()) {
            bool lacking = false;
            std::string ansi = ToAnsi(&unit, 1, lacking);
            if (lacking) {
                const char letter = LatinLetterWithoutDiacritic(static_cast<char32_t>(unit));
                ansi = letter != '\0' ? std::string(1, letter) : std::string();
            }
            found = known.emplace(unit, std::move(ansi)).first;
        }
        if (found->second.empty()) {
            out += '?';
            ++lost;
        } else {
            out += found->second;
        }
    }
}

void AppendConverted(std::string_view piece, std::string& out, std::size_t& lost) {
    if (piece.empty())
        return;
    const int pieceLength = static_cast<int>(piece.size());
    // Without MB_ERR_INVALID_CHARS a malformed byte becomes U+FFFD, which the code page
    // then lacks.
    const int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, piece.data(), pieceLength, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength));
    ::MultiByteToWideChar(CP_UTF8, 0, piece.data(), pieceLength, wide.data(), wideLength);
    ReplaceSurrogatePairs(wide);
    bool lacking = false;
    std::string ansi = ToAnsi(wide.data(), static_cast<int>(wide.size()), lacking);
    if (lacking)
        AppendCharacterWise(wide, out, lost);
    else
        out += ansi;
}

}  // namespace

std::string Win32AnsiConverter::FromUtf8(std::string_view utf8, std::size_t& lost) const {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const std::size_t length = PieceLength(utf8);
        AppendConverted(utf8.substr(0, length), out, lost);
        utf8.remove_prefix(length);
    }
    return out;
}

}  // namespace natalo
