#include "platform/date_parse.h"

#include <gtest/gtest.h>

#include "support/fake_regional_settings.h"

namespace natalo {
namespace {

using testing::FakeRegionalSettings;

const CivilDate kToday{2026, 12, 8};

std::optional<CivilDate> ParseWith(const std::string& picture, const std::string& separator,
                                   std::string_view text) {
    const FakeRegionalSettings settings(picture, separator);
    return ShortDateParser(settings, kToday).Parse(text);
}

TEST(DateOrderOfPicture, FirstFieldLetterDecidesAndQuotedTextIsSkipped) {
    EXPECT_EQ(DateOrderOfPicture("dd.MM.yyyy"), DateOrder::kDayMonthYear);
    EXPECT_EQ(DateOrderOfPicture("M/d/yyyy"), DateOrder::kMonthDayYear);
    EXPECT_EQ(DateOrderOfPicture("yyyy-MM-dd"), DateOrder::kYearMonthDay);
    EXPECT_EQ(DateOrderOfPicture("'day' yyyy/MM/dd"), DateOrder::kYearMonthDay);
}

TEST(ShortDateParser, ReadsTheFieldsInTheOrderOfTheUserFormat) {
    EXPECT_EQ(ParseWith("dd.MM.yyyy", ".", "03.04.1971"), (CivilDate{1971, 4, 3}));
    EXPECT_EQ(ParseWith("M/d/yyyy", "/", "4/3/1971"), (CivilDate{1971, 4, 3}));
    EXPECT_EQ(ParseWith("yyyy-MM-dd", "-", "1971-04-03"), (CivilDate{1971, 4, 3}));
    EXPECT_EQ(ParseWith("dd.MM.yyyy", ".", "3.4.1971"), (CivilDate{1971, 4, 3}));
    EXPECT_EQ(ParseWith("dd.MM.yyyy", ".", " 03 . 04 . 1971 "), (CivilDate{1971, 4, 3}));
    // Separators such as ". " and pictures that end with the separator.
    EXPECT_EQ(ParseWith("d. M. yyyy", ". ", "3. 4. 1971"), (CivilDate{1971, 4, 3}));
    EXPECT_EQ(ParseWith("yyyy. MM. dd.", ".", "1971. 04. 03."), (CivilDate{1971, 4, 3}));
}

TEST(ShortDateParser, SeparatorComesFromThePictureWhenTheSettingsGiveNone) {
    EXPECT_EQ(ParseWith("dd-MM-yyyy", "", "03-04-1971"), (CivilDate{1971, 4, 3}));
}

TEST(ShortDateParser, ShortYearsAndMissingYearsDependOnToday) {
    EXPECT_EQ(ParseWith("dd.MM.yy", ".", "03.04.71"), (CivilDate{1971, 4, 3}));
    EXPECT_EQ(ParseWith("dd.MM.yy", ".", "03.04.26"), (CivilDate{2026, 4, 3}));
    EXPECT_EQ(ParseWith("dd.MM.yy", ".", "03.04.27"), (CivilDate{1927, 4, 3}));
    EXPECT_EQ(ParseWith("dd.MM.yyyy", ".", "03.04.5"), (CivilDate{2005, 4, 3}));
    EXPECT_EQ(ParseWith("dd.MM.yyyy", ".", "03.04"), (CivilDate{2026, 4, 3}));
    EXPECT_EQ(ParseWith("M/d/yyyy", "/", "4/3"), (CivilDate{2026, 4, 3}));
    EXPECT_EQ(ParseWith("yyyy-MM-dd", "-", "04-03"), (CivilDate{2026, 4, 3}));
    EXPECT_EQ(ParseWith("dd.MM.yyyy", ".", "29.02"), std::nullopt);  // 2026 is no leap year
}

TEST(ShortDateParser, RejectsEverythingThatIsNotWhollyAnExistingDate) {
    for (const char* text : {"",
                             " ",
                             "Birthday",
                             "31.02.1971",
                             "29.02.1971",
                             "00.04.1971",
                             "03.13.1971",
                             "03.04.0000",
                             "03.04.1971x",
                             "x03.04.1971",
                             "03/04/1971",
                             "03..04.1971",
                             "03.04.19710",
                             "03.04.1971.1",
                             "-3.04.1971",
                             "03.04.",
                             "3",
                             "03.04.1971 12:00",
                             "03.04.1971..",
                             "99999999999999999999.1.1971"}) {
        EXPECT_EQ(ParseWith("dd.MM.yyyy", ".", text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(ParseWith("M/d/yyyy", "/", "13/1/1971"), std::nullopt);
    EXPECT_EQ(ParseWith("dd.MM.yyyy", ".", "29.02.2000"), (CivilDate{2000, 2, 29}));
}

TEST(IsDate, AsksTheUserFormat) {
    FakeRegionalSettings settings("dd.MM.yyyy", ".");
    EXPECT_TRUE(IsDate("03.04.1971", settings, kToday));
    EXPECT_FALSE(IsDate("4/3/1971", settings, kToday));
    settings.SetShortDateFormat("M/d/yyyy", "/");
    EXPECT_TRUE(IsDate("4/3/1971", settings, kToday));
}

}  // namespace
}  // namespace natalo
