#include "exchange/vcard_birthday.h"

#include <string>

#include "addressbook/address_record.h"
#include "exchange/ascii_text.h"
#include "exchange/vcard_values.h"

namespace natalo {
namespace {

// The number of `count` digits at the front of text, which then loses them.
std::optional<int> TakeDigits(std::string_view& text, std::size_t count) {
    if (text.size() < count)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    return value;
}

bool TakeDash(std::string_view& text, bool dashed) {
    if (!dashed)
        return true;
    if (!text.starts_with('-'))
        return false;
    text.remove_prefix(1);
    return true;
}

// Month and day, "MMDD" or "MM-DD", and nothing after them.
std::optional<CivilDate> MonthAndDay(std::string_view text, int year) {
    const bool dashed = text.size() == 5;
    const auto month = TakeDigits(text, 2);
    if (!month || !TakeDash(text, dashed))
        return std::nullopt;
    const auto day = TakeDigits(text, 2);
    if (!day || !text.empty())
        return std::nullopt;
    const CivilDate date{year, *month, *day};
    if (!IsValidCivilDate(date))
        return std::nullopt;
    return date;
}

}  // namespace

std::optional<CivilDate> VCardBirthday(const VCardProperty& bday) {
    const std::string value = TextValue(bday);
    std::string_view text = TrimBlanks(value);
    text = text.substr(0, text.find_first_of("Tt"));  // the time of day does not matter
    if (text.starts_with("--"))
        return MonthAndDay(text.substr(2), kUnknownBirthYear);
    const auto year = TakeDigits(text, 4);
    if (!year || *year < 1)
        return std::nullopt;
    // Apple marks a birthday without a year with the year it put in its place.
    int storedYear = *year;
    if (const std::string* omitted = bday.Parameter("X-APPLE-OMIT-YEAR");
        omitted && TrimBlanks(*omitted) == std::to_string(*year))
        storedYear = kUnknownBirthYear;
    const bool dashed = text.starts_with('-');
    if (!TakeDash(text, dashed) || text.size() != (dashed ? 5u : 4u))
        return std::nullopt;
    return MonthAndDay(text, storedYear);
}

}  // namespace natalo
