#include "printing/birthday_printout.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace natalo {
namespace {

constexpr int kA4Width = 21000, kA4Height = 29700;
constexpr int kLetterWidth = 21590, kLetterHeight = 27940;

TextLines PrintListOf(int persons, const std::map<int, std::string>& names = {}) {
    TextLines lines;
    for (int i = 1; i <= persons; ++i) {
        lines.Add("d" + std::to_string(i));
        lines.Add(names.contains(i) ? names.at(i) : "Person " + std::to_string(i));
    }
    return lines;
}

// A canvas whose characters are 1.5 mm wide and whose ellipsis (one byte) is 2 mm.
constexpr int kEllipsisWidth = 200;
const NameFitting kFitting{
    [](std::string_view t) { return int(150 * t.size() + (t.ends_with('\x85') ? 50 : 0)); },
    "\x85"};

std::vector<PrintoutPage> LayOutBirthdayPrintout(const TextLines& printList, int paperWidth,
                                                 int paperHeight) {
    return natalo::LayOutBirthdayPrintout(printList, paperWidth, paperHeight, kFitting);
}

TEST(BirthdayPrintoutTest, FewPersonsStandInTheLeftColumnOfOnePage) {
    const auto pages = LayOutBirthdayPrintout(PrintListOf(3), kA4Width, kA4Height);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 3u);
    EXPECT_EQ(pages[0][0], (PrintoutRow{{1500, 1500, "d1"}, {3500, 1500, "Person 1"}}));
    EXPECT_EQ(pages[0][1].date.y, 2000);
    EXPECT_EQ(pages[0][2], (PrintoutRow{{1500, 2500, "d3"}, {3500, 2500, "Person 3"}}));
}

// A4 holds 53 rows a column, Letter 49; the right column starts at half the width. One
// person more than a page holds starts the second page at the top of its left column.
TEST(BirthdayPrintoutTest, EachPaperHoldsItsRowsInTwoColumnsAPage) {
    const struct {
        const char* paper;
        int width, height;
        int rows;  // a column
        int lastTop, rightLeft;
    } papers[] = {{"A4", kA4Width, kA4Height, 53, 27500, 10500},
                  {"Letter", kLetterWidth, kLetterHeight, 49, 25500, 10795}};
    for (const auto& p : papers) {
        SCOPED_TRACE(p.paper);
        const auto pages = LayOutBirthdayPrintout(PrintListOf(2 * p.rows + 1), p.width, p.height);
        ASSERT_EQ(pages.size(), 2u);
        ASSERT_EQ(pages[0].size(), static_cast<std::size_t>(2 * p.rows));
        const auto number = [](int row) { return std::to_string(row + 1); };
        EXPECT_EQ(pages[0][p.rows - 1].date,
                  (PrintoutText{1500, p.lastTop, "d" + number(p.rows - 1)}));
        EXPECT_EQ(pages[0][p.rows],
                  (PrintoutRow{{p.rightLeft, 1500, "d" + number(p.rows)},
                               {p.rightLeft + 2000, 1500, "Person " + number(p.rows)}}));
        EXPECT_EQ(pages[0][2 * p.rows - 1].date,
                  (PrintoutText{p.rightLeft, p.lastTop, "d" + number(2 * p.rows - 1)}));
        ASSERT_EQ(pages[1].size(), 1u);
        EXPECT_EQ(pages[1][0], (PrintoutRow{{1500, 1500, "d" + number(2 * p.rows)},
                                            {3500, 1500, "Person " + number(2 * p.rows)}}));
    }
}

TEST(BirthdayPrintoutTest, ANameWiderThanItsColumnIsCutWithAnEllipsisAndNothingElseMoves) {
    // At the record's limits: 30 characters, a blank, 30; as row 2 (left) and 55 (right).
    const std::string name = std::string(30, 'F') + " " + std::string(30, 'L');
    const auto pages =
        LayOutBirthdayPrintout(PrintListOf(60, {{2, name}, {55, name}}), kA4Width, kA4Height);
    auto expected = LayOutBirthdayPrintout(PrintListOf(60), kA4Width, kA4Height);
    // The widest prefix that ends within its column: at 10300 (left), 19500 (right).
    expected[0][1].name.text = name.substr(0, (10300 - 3500 - kEllipsisWidth) / 150) + '\x85';
    expected[0][54].name.text = name.substr(0, (19500 - 12500 - kEllipsisWidth) / 150) + '\x85';
    EXPECT_EQ(pages, expected);
    // Without room the ellipsis is left, of no name nothing.
    EXPECT_EQ(FittedName("abcde", 0, kFitting), "\x85");
    EXPECT_EQ(FittedName("", -1, kFitting), "");
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
