#include "platform/date_format.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/fake_regional_settings.h"

namespace natalo {
namespace {

using testing::FakeRegionalSettings;

TEST(FormatDate, CommonShortDatePictures) {
    const FakeRegionalSettings names;
    const CivilDate date{1970, 2, 5};
    EXPECT_EQ(FormatDate(date, "M/d/yyyy", names), "2/5/1970");
    EXPECT_EQ(FormatDate(date, "dd.MM.yyyy", names), "05.02.1970");
    EXPECT_EQ(FormatDate(date, "yyyy-MM-dd", names), "1970-02-05");
    EXPECT_EQ(FormatDate(date, "d/M/yy", names), "5/2/70");
    EXPECT_EQ(FormatDate({2005, 12, 31}, "y", names), "5");
    EXPECT_EQ(FormatDate({33, 1, 1}, "yyyy", names), "0033");
}

TEST(WithFourDigitYear, WidensShortYearsOnlyOutsideQuotes) {
    EXPECT_EQ(WithFourDigitYear("M/d/yy"), "M/d/yyyy");
    EXPECT_EQ(WithFourDigitYear("d.M.y"), "d.M.yyyy");
    EXPECT_EQ(WithFourDigitYear("dd.MM.yyyy"), "dd.MM.yyyy");
    EXPECT_EQ(WithFourDigitYear("yyyyy/M/d"), "yyyy/M/d");
    EXPECT_EQ(WithFourDigitYear("yy-MM-dd 'yy'"), "yyyy-MM-dd 'yy'");
    EXPECT_EQ(WithFourDigitYear("d''yy"), "d''yyyy");
}

TEST(FormatDate, NamesAndQuotedText) {
    const FakeRegionalSettings names;
    const CivilDate date{2026, 12, 8};  // a Tuesday
    EXPECT_EQ(FormatDate(date, "ddd, dd.MM.", names), "Tue, 08.12.");
    EXPECT_EQ(FormatDate(date, "dddd d MMMM", names), "Tuesday 8 December");
    EXPECT_EQ(FormatDate(date, "d MMM yyyy", names), "8 Dec 2026");
    EXPECT_EQ(FormatDate(date, "d 'de' MMMM", names), "8 de December");
    EXPECT_EQ(FormatDate(date, "d''M", names), "8'12");
    EXPECT_EQ(FormatDate(date, "'unterminated", names), "unterminated");
}

TEST(ShortDateText, UsesTheUserFormatAndIsEmptyForDamagedValues) {
    FakeRegionalSettings settings("dd.MM.yyyy", ".");
    EXPECT_EQ(ShortDateText(25204.5, settings), "01.01.1969");
    EXPECT_EQ(ShortDateText(std::numeric_limits<double>::quiet_NaN(), settings), "");
    EXPECT_EQ(ShortDateText(1e9, settings), "");
}

}  // namespace
}  // namespace natalo
