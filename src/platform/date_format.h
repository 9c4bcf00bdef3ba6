// Formatting dates with a Windows date picture such as "dd.MM.yyyy", "M/d/yyyy" or
// "ddd, dd.MM.": d dd ddd dddd, M MM MMM MMMM, y yy yyyy, 'quoted text' ('' is a quote);
// every other character stands for itself. Names come from the regional settings.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/calendar.h"
#include "platform/regional_settings.h"

namespace natalo {

std::string FormatDate(const CivilDate& date, std::string_view picture,
                       const RegionalSettings& settings);

// The picture with every run of year letters ("y", "yy", "yyyyy") written as "yyyy", quoted
// text left alone: for dates that must read back in the right century (a birthday in 1604
// or 1920 written as "04" or "20" would come back as 2004 or 2020), and for pictures in
// which the year is to be found and removed.
std::string WithFourDigitYear(std::string_view picture);

// A date value in the user's short date format; empty text when the value is not a
// usable date (a damaged record).
std::string ShortDateText(double value, const RegionalSettings& settings);

// The user's short date format read once, for formatting many dates: reading the
// regional settings costs far more than formatting one date.
class ShortDateFormatter : private RegionalSettings {
  public:
    explicit ShortDateFormatter(const RegionalSettings& settings);
    std::string Text(double value) const;

  private:
    std::string ShortDateFormat() const override { return picture_; }
    std::string DateSeparator() const override { return separator_; }
    std::string AbbreviatedDayName(int d) const override { return shortDays_[d]; }
    std::string DayName(int d) const override { return days_[d]; }
    std::string AbbreviatedMonthName(int m) const override { return shortMonths_[m - 1]; }
    std::string MonthName(int m) const override { return months_[m - 1]; }
    int CompareText(std::string_view a, std::string_view b) const override;

    std::string picture_;
    std::string separator_;
    std::array<std::string, 7> shortDays_, days_;
    std::array<std::string, 12> shortMonths_, months_;
};

}  // namespace natalo
