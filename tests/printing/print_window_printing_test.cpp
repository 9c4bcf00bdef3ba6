// The print window printing for real into a CUPS PDF queue of the run's own
// (tests/preview/with-pdf-printers): the pages and copies chosen in the print dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>

#include "app/program_fixture.h"
#include "preview/win32_print_spooler.h"
#include "win32/pdf_output.h"

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
        for (int i = 1; i <= count; ++i)
            people.push_back(named.contains(i)
                                 ? named.at(i)
                                 : Person("P" + std::to_string(i), "Name", {1970, 1, 1}));
        Start(people);
        ASSERT_TRUE(testing::SelectTestPrinter(program->Form4().PagePreview1().Printer(),
                                               "NATALO_TEST_PRINTER_A4"));
        program->BirthdayWindowsOfRun().ShowNew();
        program->Form4().Show();
        program->Form4().PagePreview1().SetPrintJobTitle(title);
    }

    std::string title = "natalo-window-" + std::to_string(::GetCurrentProcessId());
};

TEST_F(PrintWindowPrintingTest, PrintsThePagesAndCopiesChosenInTheDialog) {
    // 250 persons fill two pages and start a third; pages 2 to 3, twice. On one line of
    // page 2, left and right, persons 108 and 161 have 61 characters to their names.
    const auto longName = [](char initial) {
        return Person(initial + std::string(19, 'n') + "iiiiiiiiii", initial + std::string(29, 'i'),
                      {1970, 1, 1});
    };
    printChoice = PrintChoice{2, 3, 2};
    StartWithPeople(250, {{108, longName('L')}, {161, longName('R')}});
    ASSERT_EQ(program->Form4().PagePreview1().TotalPages(), 3);

    program->Form4().Button1().Click();
    EXPECT_TRUE(errors_.empty());
    const std::vector<std::string> pdfs = testing::WaitForPdfs(title, 2);
    ASSERT_EQ(pdfs.size(), 2u);
    for (const std::string& pdf : pdfs) {
        EXPECT_EQ(testing::ReadPdfInfo(pdf).pages, 2) << pdf;
        // Page 2 of the document opens with person 107, page 3 with person 213.
        const std::vector<testing::PdfWord> words = testing::ReadPdfWords(pdf);
        std::vector<std::string> firstNames;
        for (const testing::PdfWord& word : words) {
            if (word.text == "P107" || word.text == "P213")
                firstNames.push_back(std::to_string(word.page) + ":" + word.text);
        }
        EXPECT_EQ(firstNames, (std::vector<std::string>{"1:P107", "2:P213"})) << pdf;
        // The cut names end in "…", within their columns (at 10300 and 19500), by a letter.
        for (const auto& [initial, end] : {std::pair{'L', 10300}, {'R', 19500}}) {
            const auto cut = std::ranges::find_if(words, [initial](const auto& w) {
                return w.text.starts_with(initial) && w.text.ends_with("i\xE2\x80\xA6");
            });
            ASSERT_NE(cut, words.end()) << initial << " in " << pdf;
            EXPECT_LE(cut->xMax, end * 72.0 / 2540) << cut->text;
            EXPECT_GT(cut->xMax, end * 72.0 / 2540 - 4) << cut->text;
        }
    }
}

}  // namespace
}  // namespace natalo
