// Calendar arithmetic on the program's date values: day counts since 30 December 1899
// (day 0) stored as doubles, whose integral part is the date. Exact integer arithmetic on
// the proleptic Gregorian calendar; values from a damaged file (NaN, infinities, years
// outside 1..9999) are "no valid date" rather than undefined behaviour.
#pragma once

#include <optional>

namespace natalo {

struct CivilDate {
    int year = 1;
    int month = 1;  // 1..12
    int day = 1;    // 1..31

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
    friend auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidCivilDate(const CivilDate& date);

// Day count of a date (0 = 30 December 1899). The date must be valid.
long DayNumber(const CivilDate& date);
double DateValue(const CivilDate& date);

// The calendar date of a date value, or nothing when the value is not a usable date.
std::optional<CivilDate> DateFromValue(double value);

// 0 = Sunday ... 6 = Saturday.
int DayOfWeek(const CivilDate& date);

}  // namespace natalo
