#include "platform/text_lines.h"

namespace natalo {

TextLines::TextLines(std::initializer_list<std::string_view> lines) {
    for (const std::string_view line : lines)
        Add(line);
}

void TextLines::Reserve(std::size_t lines, std::size_t characters) {
    ends_.reserve(lines);
    text_.reserve(characters);
}

void TextLines::Add(std::string_view line) {
    text_ += line;
    ends_.push_back(text_.size());
}

std::string_view TextLines::operator[](std::size_t line) const {
    const std::size_t begin = line == 0 ? 0 : ends_[line - 1];
    return std::string_view(text_).substr(begin, ends_[line] - begin);
}

}  // namespace natalo
