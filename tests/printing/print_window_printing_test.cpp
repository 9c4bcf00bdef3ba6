// The print window printing for real into a CUPS PDF queue of the run's own
// (tests/preview/with-pdf-printers): the pages and copies chosen in the print dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>

#include "app/program_fixture.h"
#include "preview/pdf_output.h"
#include "preview/win32_print_spooler.h"

namespace natalo {
namespace {

using testing::Person;

class PrintWindowPrintingTest : public testing::ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        if (testing::PdfFolder().empty())
            GTEST_SKIP() << "no PDF queues: run through tests/preview/with-pdf-printers";
        spooler.reset();
    }
    // The program over `count` people (P1 Name, P2 Name, ... unless named here by their
    // number), its printer on the run's A4 queue, and the print window shown.
    void StartWithPeople(int count, const std::map<int, AddressRecord>& named = {}) {
        std::vector<AddressRecord> people;
        for (int i = 1; i <= count; ++i) {
            people.push_back(named.contains(i)
                                 ? named.at(i)
                                 : Person("P" + std::to_string(i), "Name", {1970, 1, 1}));
        }
        Start(people);
        TPrinter& printer = program->Form4().PagePreview1().Printer();
        const std::string queue = testing::TestPrinter("NATALO_TEST_PRINTER_A4");
        const auto& printers = printer.Printers();
        const auto found = std::find_if(printers.begin(), printers.end(),
                                        [&](const PrinterInfo& p) { return p.name == queue; });
        ASSERT_NE(found, printers.end()) << queue << " is not among Wine's printers";
        printer.SetPrinterIndex(static_cast<int>(found - printers.begin()));
        program->BirthdayWindowsOfRun().ShowNew();
        program->Form4().Show();
        program->Form4().PagePreview1().SetPrintJobTitle(title);
    }

    std::string title = "natalo-window-" + std::to_string(::GetCurrentProcessId());
};

TEST_F(PrintWindowPrintingTest, PrintsThePagesAndCopiesChosenInTheDialog) {
    // 250 persons fill two pages and start a third; pages 2 to 3, twice.
    printChoice = PrintChoice{2, 3, 2};
    StartWithPeople(250);
    ASSERT_EQ(program->Form4().PagePreview1().TotalPages(), 3);

    program->Form4().Button1().Click();
    EXPECT_TRUE(errors_.empty());
    const std::vector<std::string> pdfs = testing::WaitForPdfs(title, 2);
    ASSERT_EQ(pdfs.size(), 2u);
    for (const std::string& pdf : pdfs) {
        EXPECT_EQ(testing::ReadPdfInfo(pdf).pages, 2) << pdf;
        // Page 2 of the document opens with person 107, page 3 with person 213.
        std::vector<std::string> firstNames;
        for (const testing::PdfWord& word : testing::ReadPdfWords(pdf)) {
            if (word.text == "P107" || word.text == "P213")
                firstNames.push_back(std::to_string(word.page) + ":" + word.text);
        }
        EXPECT_EQ(firstNames, (std::vector<std::string>{"1:P107", "2:P213"})) << pdf;
    }
}

TEST_F(PrintWindowPrintingTest, ANameWiderThanItsColumnEndsWithinItInAnEllipsis) {
    // Person 2 stands in the left column, person 55 in the right one, on the same line;
    // both names at the record's limits, 61 characters with the blank. The cut comes
    // among the narrow letters of the last name, so that it shows where the column ends.
    const auto firstName = [](char initial) {
        return initial + std::string(19, 'n') + std::string(10, 'i');
    };
    const auto longName = [&](char first, char last) {
        return Person(firstName(first), last + std::string(29, 'i'), {1970, 1, 1});
    };
    printChoice = PrintChoice{1, 1, 1};
    title = "natalo-names-" + std::to_string(::GetCurrentProcessId());
    StartWithPeople(60, {{2, longName('L', 'M')}, {55, longName('R', 'S')}});
    program->Form4().Button1().Click();
    const std::optional<std::string> pdf = testing::WaitForPdf(title);
    ASSERT_TRUE(pdf);
    const std::vector<testing::PdfWord> words = testing::ReadPdfWords(*pdf);
    const auto points = [](int units) { return units * 72.0 / 2540; };

    struct LongRow {
        std::string first;
        char last;
        int columnEnd;  // units
    };
    for (const LongRow& row :
         {LongRow{firstName('L'), 'M', 10300}, LongRow{firstName('R'), 'S', 19500}}) {
        const auto first = std::find_if(words.begin(), words.end(),
                                        [&](const auto& w) { return w.text == row.first; });
        ASSERT_NE(first, words.end()) << row.first;
        std::vector<testing::PdfWord> rest;
        std::copy_if(words.begin(), words.end(), std::back_inserter(rest), [&](const auto& w) {
            return std::abs(w.yMin - first->yMin) < 1 && w.xMin > first->xMax &&
                   w.xMin < points(row.columnEnd);
        });
        ASSERT_EQ(rest.size(), 1u) << row.first;
        const std::string ellipsis = "\xE2\x80\xA6";  // UTF-8
        const std::string& last = rest[0].text;
        ASSERT_TRUE(last.ends_with(ellipsis) && last.size() > ellipsis.size()) << last;
        EXPECT_EQ(last.substr(0, last.size() - ellipsis.size()),
                  row.last + std::string(last.size() - ellipsis.size() - 1, 'i'));
        // Within its column, and cut by little more than one more letter.
        EXPECT_LE(rest[0].xMax, points(row.columnEnd)) << last;
        EXPECT_GT(rest[0].xMax, points(row.columnEnd) - 4) << last;
    }
    // Every other name is whole, at its column's name position.
    int whole = 0;
    for (const testing::PdfWord& word : words) {
        if (word.text.starts_with("P")) {
            ++whole;
            EXPECT_TRUE(std::abs(word.xMin - points(3500)) < 1 ||
                        std::abs(word.xMin - points(12500)) < 1)
                << word.text << " at " << word.xMin;
        }
    }
    EXPECT_EQ(whole, 58);
    EXPECT_EQ(
        std::count_if(words.begin(), words.end(), [](const auto& w) { return w.text == "Name"; }),
        58);
}

}  // namespace
}  // namespace natalo
