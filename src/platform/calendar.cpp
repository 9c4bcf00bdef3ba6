#include "platform/calendar.h"

#include <cmath>

namespace natalo {
namespace {

// Days from 0001-01-01 to 1899-12-30, so that day 0 of the program is 1899-12-30.
constexpr long kEpochOffset = 693593;

// Days since 0001-01-01 (day 0) for a valid date.
long DaysFromCivil(int y, int m, int d) {
    // Shift the year to start in March so that the leap day is the last day of a year.
    const long year = m <= 2 ? y - 1 : y;
    const long era = year / 400;  // year >= 0 for years 1..9999
    const long yoe = year - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 306;
}

CivilDate CivilFromDays(long days) {
    const long z = days + 306;
    const long era = z / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    return {y, m, d};
}

constexpr long kFirstDay = -kEpochOffset;          // 0001-01-01
constexpr long kLastDay = 3652058 - kEpochOffset;  // 9999-12-31

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidCivilDate(const CivilDate& date) {
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

long DayNumber(const CivilDate& date) {
    return DaysFromCivil(date.year, date.month, date.day) - kEpochOffset;
}

double DateValue(const CivilDate& date) {
    return static_cast<double>(DayNumber(date));
}

std::optional<CivilDate> DateFromValue(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double whole = std::trunc(value);  // the time of day is ignored
    if (whole < static_cast<double>(kFirstDay) || whole > static_cast<double>(kLastDay)) {
        return std::nullopt;
    }
    return CivilFromDays(static_cast<long>(whole) + kEpochOffset);
}

int DayOfWeek(const CivilDate& date) {
    // 1899-12-30 was a Saturday.
    const long n = DayNumber(date);
    return static_cast<int>(((n % 7) + 7 + 6) % 7);
}

}  // namespace natalo
