// Reading dates typed or imported in the user's short date format: day, month and year
// as numbers in the order of the short date picture, separated by the date separator,
// with blanks allowed around the numbers. Two numbers are day and month of today's year;
// a year of one or two digits is the latest such year not after today's (birthdays lie
// in the past). The whole text must be the date, and the date must exist.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/calendar.h"
#include "platform/regional_settings.h"

namespace natalo {

enum class DateOrder { kMonthDayYear, kDayMonthYear, kYearMonthDay };

// The order of day, month and year in a Windows date picture such as "dd.MM.yyyy".
DateOrder DateOrderOfPicture(std::string_view picture);

// Reads the settings once, so that a long import does not ask the system for every line.
class ShortDateParser {
  public:
    ShortDateParser(const RegionalSettings& settings, const CivilDate& today);

    std::optional<CivilDate> Parse(std::string_view text) const;
    bool IsDate(std::string_view text) const { return Parse(text).has_value(); }

  private:
    DateOrder order_;
    std::string separator_;
    CivilDate today_;
};

// True when the whole text is a date in the user's short date format. Never fails.
bool IsDate(std::string_view text, const RegionalSettings& settings, const CivilDate& today);

}  // namespace natalo
