#include "reminder/date_patterns.h"

#include <array>

#include "platform/date_format.h"

namespace natalo {
namespace {

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
