#include "platform/calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace natalo {
namespace {

TEST(Calendar, KnownDayNumbers) {
    EXPECT_EQ(DayNumber({1899, 12, 30}), 0);
    EXPECT_EQ(DayNumber({1900, 1, 1}), 2);
    EXPECT_EQ(DayNumber({1969, 1, 1}), 25204);
    EXPECT_EQ(DayNumber({2000, 2, 29}), 36585);
    EXPECT_EQ(DayNumber({2999, 1, 1}), 401404);
    EXPECT_EQ(DayNumber({1, 1, 1}), -693593);
    EXPECT_EQ(DayNumber({9999, 12, 31}), 2958465);
}

TEST(Calendar, RoundTripsEveryDayOfFourCenturies) {
    for (long n = DayNumber({1800, 1, 1}); n <= DayNumber({2200, 12, 31}); ++n) {
        const auto date = DateFromValue(static_cast<double>(n));
        ASSERT_TRUE(date);
        ASSERT_TRUE(IsValidCivilDate(*date));
        ASSERT_EQ(DayNumber(*date), n);
    }
}

TEST(Calendar, TimeOfDayIsIgnoredAndNegativeValuesTruncateTowardZero) {
    EXPECT_EQ(DateFromValue(25204.75), (CivilDate{1969, 1, 1}));
    EXPECT_EQ(DateFromValue(-1.25), (CivilDate{1899, 12, 29}));
    EXPECT_EQ(DateFromValue(-0.5), (CivilDate{1899, 12, 30}));
}

TEST(Calendar, DamagedValuesAreNoDate) {
    EXPECT_FALSE(DateFromValue(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(DateFromValue(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(DateFromValue(-std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(DateFromValue(1e300));
    EXPECT_FALSE(DateFromValue(2958466.0));  // 10000-01-01
    EXPECT_FALSE(DateFromValue(-693594.0));  // year 0
    EXPECT_TRUE(DateFromValue(2958465.99));
}

TEST(Calendar, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2024, 13), 0);
    EXPECT_FALSE(IsValidCivilDate({2023, 2, 29}));
    EXPECT_FALSE(IsValidCivilDate({2023, 4, 31}));
    EXPECT_FALSE(IsValidCivilDate({0, 1, 1}));
}

TEST(Calendar, DayOfWeek) {
    EXPECT_EQ(DayOfWeek({1899, 12, 30}), 6);  // Saturday
    EXPECT_EQ(DayOfWeek({2026, 12, 8}), 2);   // Tuesday
    EXPECT_EQ(DayOfWeek({1, 1, 1}), 1);       // Monday
}

}  // namespace
}  // namespace natalo
