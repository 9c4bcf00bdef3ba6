// Many short texts in order, kept in one buffer: the birthday window's print list holds two
// lines per person, 200,000 of them for a large address book, and a string of its own for
// each would cost more than the rest of the schedule.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace natalo {

class TextLines {
  public:
    TextLines() = default;
    TextLines(std::initializer_list<std::string_view> lines);

    void Reserve(std::size_t lines, std::size_t characters);
    void Add(std::string_view line);

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    // Valid until the next Add.
    std::string_view operator[](std::size_t line) const;

    friend bool operator==(const TextLines&, const TextLines&) = default;

  private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

}  // namespace natalo
