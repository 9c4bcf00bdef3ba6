#include "exchange/import_text.h"

#include <algorithm>

namespace natalo {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

std::string_view UpToFirstNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

bool HasNonAscii(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Calls take(line) for every line of the text, empty ones included.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            take(text.substr(start));
            return;
        }
        take(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

// Every line end (CR LF, a lone CR or a lone LF) as CR LF.
std::string WithCrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

ImportFileText DecodeImportFile(std::string_view bytes, const AnsiConverter& converter) {
    // "Unicode" text from Notepad or a spreadsheet is UTF-16 with a byte-order mark; its
    // characters hold zero bytes, so it is decoded before looking for a NUL.
    std::string fromUtf16;
    for (const auto& [mark, bigEndian] :
         {std::pair{kUtf16LittleEndianMark, false}, std::pair{kUtf16BigEndianMark, true}}) {
        if (bytes.starts_with(mark)) {
            fromUtf16 = std::string(kUtf8ByteOrderMark) +
                        Utf8FromUtf16(bytes.substr(mark.size()), bigEndian);
            bytes = fromUtf16;
            break;
        }
    }

    ImportFileText result;
    std::string_view content = UpToFirstNul(bytes);
    result.endedAtNul = content.size() != bytes.size();

    std::string converted;
    if (content.starts_with(kUtf8ByteOrderMark)) {
        content.remove_prefix(kUtf8ByteOrderMark.size());
        converted = converter.FromUtf8(content);
        content = converted;
    } else if (HasNonAscii(content) && IsValidUtf8(content)) {
        converted = converter.FromUtf8(content);
        content = converted;
    }

    result.text = WithCrLfLineEnds(content);
    return result;
}

std::vector<std::string_view> NonEmptyLines(std::string_view text) {
    std::vector<std::string_view> lines;
    ForEachLine(UpToFirstNul(text), [&](std::string_view line) {
        if (!line.empty())
            lines.push_back(line);
    });
    return lines;
}

}  // namespace natalo
