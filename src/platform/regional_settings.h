// The user's regional settings as the program uses them: the short date format, the date
// separator, abbreviated weekday names and the locale's text comparison. The Win32
// implementation reads GetLocaleInfoA and calls lstrcmpA; tests pass fixed values.
#pragma once

#include <optional>
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
    // A key whose byte order (unsigned, a key that starts another first) is exactly the
    // order CompareText gives, made once per text to sort many of them quickly. None when
    // there is no such key: then sorting compares the texts themselves.
    virtual std::optional<std::string> SortKey(std::string_view text) const {
        (void)text;
        return std::nullopt;
    }
};

}  // namespace natalo
