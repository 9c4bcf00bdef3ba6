// The print window printing for real into a CUPS PDF queue of the run's own
// (tests/preview/with-pdf-printers): the pages and copies chosen in the print dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

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
    // The program over `count` people, its printer on the run's A4 queue, and the print
    // window shown.
    void StartWithPeople(int count) {
        std::vector<AddressRecord> people;
        for (int i = 0; i < count; ++i)
            people.push_back(Person("P" + std::to_string(i + 1), "Name", {1970, 1, 1}));
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

}  // namespace
}  // namespace natalo
