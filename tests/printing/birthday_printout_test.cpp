#include "printing/birthday_printout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace natalo {
namespace {

constexpr int kA4Width = 21000, kA4Height = 29700;
constexpr int kLetterWidth = 21590, kLetterHeight = 27940;

TextLines PrintListOf(int persons) {
    TextLines lines;
    for (int i = 1; i <= persons; ++i) {
        lines.Add("d" + std::to_string(i));
        lines.Add("Person " + std::to_string(i));
    }
    return lines;
}

TEST(BirthdayPrintoutTest, FewPersonsStandInTheLeftColumnOfOnePage) {
    const auto pages = LayOutBirthdayPrintout(PrintListOf(3), kA4Width, kA4Height);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 3u);
    EXPECT_EQ(pages[0][0], (PrintoutRow{{1500, 1500, "d1"}, {3500, 1500, "Person 1"}}));
    EXPECT_EQ(pages[0][1].date.y, 2000);
    EXPECT_EQ(pages[0][2], (PrintoutRow{{1500, 2500, "d3"}, {3500, 2500, "Person 3"}}));
}

TEST(BirthdayPrintoutTest, A4HoldsFiftyThreeRowsPerColumnAndTwoColumnsPerPage) {
    const auto pages = LayOutBirthdayPrintout(PrintListOf(107), kA4Width, kA4Height);
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].size(), 106u);
    EXPECT_EQ(pages[0][52].date, (PrintoutText{1500, 27500, "d53"}));
    // Row 54 opens the right column at the top.
    EXPECT_EQ(pages[0][53], (PrintoutRow{{10500, 1500, "d54"}, {12500, 1500, "Person 54"}}));
    EXPECT_EQ(pages[0][105].date, (PrintoutText{10500, 27500, "d106"}));
    // Person 107 starts the second page at the top of its left column.
    ASSERT_EQ(pages[1].size(), 1u);
    EXPECT_EQ(pages[1][0], (PrintoutRow{{1500, 1500, "d107"}, {3500, 1500, "Person 107"}}));
}

TEST(BirthdayPrintoutTest, LetterHoldsFortyNineRowsAndItsRightColumnAtHalfTheWidth) {
    const auto pages = LayOutBirthdayPrintout(PrintListOf(99), kLetterWidth, kLetterHeight);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 98u);
    EXPECT_EQ(pages[0][48].date, (PrintoutText{1500, 25500, "d49"}));
    EXPECT_EQ(pages[0][49].date, (PrintoutText{10795, 1500, "d50"}));
}

TEST(BirthdayPrintoutTest, AnEmptyListGivesOneBlankPage) {
    const auto pages = LayOutBirthdayPrintout({}, kA4Width, kA4Height);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].empty());
}

TEST(BirthdayPrintoutTest, TheRightColumnRoundsHalfTheWidthToTheEvenNeighbour) {
    EXPECT_EQ(RightColumnX(21000), 10500);
    EXPECT_EQ(RightColumnX(21001), 10500);
    EXPECT_EQ(RightColumnX(21003), 10502);
    EXPECT_EQ(RightColumnX(1), 0);
}

TEST(BirthdayPrintoutTest, PaperTooShortForARowStillPlacesEveryPersonOnce) {
    const auto pages = LayOutBirthdayPrintout(PrintListOf(5), kA4Width, 100);
    std::size_t rows = 0;
    for (const PrintoutPage& page : pages)
        rows += page.size();
    EXPECT_EQ(rows, 5u);
    EXPECT_EQ(pages.size(), 5u);  // each row finds its column full and moves on
}

}  // namespace
}  // namespace natalo
