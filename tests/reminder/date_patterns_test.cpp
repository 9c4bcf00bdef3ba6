#include "reminder/date_patterns.h"

#include <gtest/gtest.h>

#include "platform/date_format.h"
#include "support/fake_regional_settings.h"

namespace natalo {
namespace {

TEST(DeriveDatePatterns, RemovesTheYearWithTheSeparatorThatBelongsToIt) {
    struct Case {
        const char* format;
        const char* dayMonth;
    };
    const Case cases[] = {
        {"dd.MM.yyyy", "dd.MM."},  // the dot before the year stays
        {"M/d/yyyy", "M/d/"},     {"yyyy-MM-dd", "MM-dd"}, {"d.M.yyyy", "d.M."},
        {"yyyy/MM/dd", "MM/dd"},  {"dd-MM-yyyy", "dd-MM"}, {"d MMM yyyy", "d MMM"},
        {"dd.MM.", "dd.MM."},  // no year at all
    };
    for (const Case& c : cases) {
        const DatePatterns patterns = DeriveDatePatterns(c.format);
        EXPECT_EQ(patterns.dayMonth, c.dayMonth) << c.format;
        EXPECT_EQ(patterns.heading, std::string("ddd, ") + c.dayMonth) << c.format;
    }
}

TEST(DeriveDatePatterns, TreatsEveryYearLengthAsFourDigits) {
    EXPECT_EQ(DeriveDatePatterns("dd/MM/yy").full, "dd/MM/yyyy");
    EXPECT_EQ(DeriveDatePatterns("dd/MM/yy").dayMonth, "dd/MM/");
    EXPECT_EQ(DeriveDatePatterns("y-M-d").dayMonth, "M-d");
    // Quoted text is literal, also when it holds a "y".
    EXPECT_EQ(DeriveDatePatterns("d 'y' M yy").full, "d 'y' M yyyy");
    EXPECT_EQ(DeriveDatePatterns("d 'y' M yy").dayMonth, "d 'y' M");
}

TEST(DeriveDatePatterns, GivesRightTextsWhereDayAndMonthLookAlike) {
    const testing::FakeRegionalSettings names("dd.MM.yyyy", ".");
    const DatePatterns german = DeriveDatePatterns("dd.MM.yyyy");
    EXPECT_EQ(FormatDate({2026, 12, 12}, german.heading, names), "Sat, 12.12.");
    EXPECT_EQ(FormatDate({1988, 2, 2}, german.dayMonth, names), "02.02.");
    const DatePatterns us = DeriveDatePatterns("M/d/yyyy");
    EXPECT_EQ(FormatDate({1960, 3, 15}, us.heading, names), "Tue, 3/15/");
}

}  // namespace
}  // namespace natalo
