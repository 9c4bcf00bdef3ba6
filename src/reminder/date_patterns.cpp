#include "reminder/date_patterns.h"

#include <array>

namespace natalo {
namespace {

// Every run of year letters ("y", "yy", "yyyy") becomes "yyyy", so that one removal list
// serves all year lengths; quoted literal text is left alone.
std::string WithFourDigitYear(std::string_view format) {
    std::string out;
    bool quoted = false;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c == '\'')
            quoted = !quoted;
        if (c == 'y' && !quoted) {
            while (i < format.size() && format[i] == 'y')
                ++i;
            out += "yyyy";
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

void RemoveFirst(std::string& text, std::string_view piece) {
    if (const auto at = text.find(piece); at != std::string::npos)
        text.erase(at, piece.size());
}

}  // namespace

DatePatterns DeriveDatePatterns(std::string_view shortDateFormat) {
    // The year goes with the separator that joins it to the day and month where one of
    // these pieces matches; otherwise the separator stays ("dd.MM." keeps its last dot).
    static constexpr std::array<std::string_view, 7> kYearPieces{
        "\\/yyyy", "\\.yyyy", " yyyy", "yyyy/", "yyyy-", "-yyyy", "yyyy"};
    DatePatterns patterns;
    patterns.full = WithFourDigitYear(shortDateFormat);
    patterns.dayMonth = patterns.full;
    for (const std::string_view piece : kYearPieces)
        RemoveFirst(patterns.dayMonth, piece);
    patterns.heading = "ddd, " + patterns.dayMonth;
    return patterns;
}

}  // namespace natalo
