// Turning UTF-8 text into the single-byte ANSI text that the rest of the program keeps.
// Most spreadsheets and address books write UTF-8 today; read as ANSI, every umlaut would
// become two wrong characters. The converter is a seam: the core brings one for
// Windows-1252, and a Windows build may bring one for whatever the ANSI code page is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace natalo {

class AnsiConverter {
  public:
    virtual ~AnsiConverter() = default;
    // Converts UTF-8 text to ANSI. A Latin letter with diacritics that the code page lacks
    // keeps its letter without them (LatinLetterWithoutDiacritic: "Ayşe" becomes "Ayse");
    // any other character the code page lacks, and a byte that does not belong to a
    // well-formed UTF-8 sequence, becomes "?" and is added to `lost`.
    virtual std::string FromUtf8(std::string_view utf8, std::size_t& lost) const = 0;
    // The same, where nobody is told what was lost.
    std::string FromUtf8(std::string_view utf8) const {
        std::size_t lost = 0;
        return FromUtf8(utf8, lost);
    }
};

class Windows1252Converter : public AnsiConverter {
  public:
    using AnsiConverter::FromUtf8;
    std::string FromUtf8(std::string_view utf8, std::size_t& lost) const override;
};

// The Windows-1252 byte of a Unicode code point, or '?' when the code page lacks it.
char Windows1252FromCodePoint(char32_t codePoint);

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the character at pos and moves pos behind it. A byte that does not start a
// well-formed sequence (overlong forms, surrogates and values above U+10FFFF included)
// gives kReplacementCharacter and is skipped alone.
char32_t DecodeUtf8At(std::string_view text, std::size_t& pos);

// True when the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// The Unicode code point of a Windows-1252 byte; the five bytes the code page leaves
// undefined give the C1 control of the same number, as Windows round-trips them.
char32_t CodePointFromWindows1252(unsigned char byte);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);

// Windows-1252 text (the records' code page) as UTF-8.
std::string Utf8FromWindows1252(std::string_view ansi);

// UTF-16 text (without its byte-order mark) as UTF-8. An unpaired surrogate becomes
// kReplacementCharacter; an odd last byte is dropped.
std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian);

}  // namespace natalo
