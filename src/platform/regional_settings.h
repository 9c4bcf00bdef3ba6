// The user's regional settings as the program uses them: the short date format, the date
// separator, abbreviated weekday names and the locale's text comparison. The Win32
// implementation reads GetLocaleInfoA and calls lstrcmpA; tests pass fixed values.
#pragma once

#include <string>
#include <string_view>

namespace natalo {

class RegionalSettings {
  public:
    virtual ~RegionalSettings() = default;
    // The short date picture, for example "M/d/yyyy" or "dd.MM.yyyy".
    virtual std::string ShortDateFormat() const = 0;
    virtual std::string DateSeparator() const = 0;
    // 0 = Sunday ... 6 = Saturday.
    virtual std::string AbbreviatedDayName(int dayOfWeek) const = 0;
    virtual std::string MonthName(int month) const = 0;
    virtual std::string AbbreviatedMonthName(int month) const = 0;
    virtual std::string DayName(int dayOfWeek) const = 0;
    // Locale-aware comparison of two texts (negative, zero or positive), as lstrcmpA.
    virtual int CompareText(std::string_view a, std::string_view b) const = 0;
};

}  // namespace natalo
