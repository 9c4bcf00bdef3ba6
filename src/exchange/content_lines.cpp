#include "exchange/content_lines.h"

namespace natalo {
namespace {

constexpr std::size_t kMostOctetsPerLine = 75;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string EscapeText(std::string_view utf8) {
    std::string escaped;
    escaped.reserve(utf8.size() + utf8.size() / 8);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
            escaped += "\\n";
        } else if (c == '\\' || c == ',' || c == ';') {
            escaped += '\\';
            escaped += c;
        } else {
            escaped += byte < 0x20 || byte == 0x7F ? ' ' : c;
        }
    }
    return escaped;
}

void AppendContentLine(std::string& out, std::string_view line) {
    std::size_t room = kMostOctetsPerLine;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && IsContinuationByte(line[cut]))
            --cut;
        if (cut == 0)
            cut = room;  // not UTF-8 after all: any cut is as good as another
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        room = kMostOctetsPerLine - 1;  // the blank counts
    }
    out.append(line);
    out += "\r\n";
}

}  // namespace natalo
