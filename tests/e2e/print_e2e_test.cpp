// natalo.exe printing its birthday list as a user does: the print picture of the birthday
// window, "Print" in the print window, the system's print dialog confirmed on a CUPS PDF
// queue of the run's own (tests/preview/with-pdf-printers); the PDF read back with poppler.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/records.h"
#include "win32/pdf_output.h"
#include "win32/program_driver.h"
#include "win32/temp_folder.h"

namespace natalo {
namespace {

using testing::RunningProgram;

// The print dialog's printer list and page range (the common dialog's control ids).
constexpr int kPrinterList = 0x473, kFromPage = 0x480, kToPage = 0x481, kPagesChoice = 0x422;

HWND ChildWithText(HWND window, const std::string& text) {
    for (HWND child : testing::ChildWindows(window)) {
        if (testing::WindowText(child) == text)
            return child;
    }
    return nullptr;
}

class PrintEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (testing::PdfFolder().empty())
            GTEST_SKIP() << "no PDF queues: the e2e_print test entry runs this";
        ASSERT_TRUE(testing::InstallProgramIn(folder));
        // 120 people with birthdays on 120 different days: P001 first in the year.
        std::vector<AddressRecord> people;
        for (int i = 0; i < 120; ++i) {
            char name[8];
            std::snprintf(name, sizeof name, "P%03d", i + 1);
            people.push_back(testing::Person(name, "Zed", {1970, 1 + i / 28, 1 + i % 28}));
        }
        testing::WriteWholeFile(folder.File("data.dat"), testing::FileTextOf(people));
        program = std::make_unique<RunningProgram>(folder.File("natalo.exe"));
        earlierPdfs = testing::WaitForPdfs("", 0, 0);
    }

    // The PDF this test printed (the queue's folder keeps those of earlier tests).
    std::string NewPdf() {
        const std::vector<std::string> pdfs = testing::WaitForPdfs("", earlierPdfs.size() + 1);
        for (const std::string& pdf : pdfs) {
            if (std::find(earlierPdfs.begin(), earlierPdfs.end(), pdf) == earlierPdfs.end())
                return earlierPdfs.emplace_back(pdf);  // known from now on as printed before
        }
        ADD_FAILURE() << "no new PDF in " << testing::PdfFolder();
        return "";
    }

    // From the birthday window's print picture to the print window, as a click does.
    HWND OpenPrintWindow() {
        HWND birthdays = nullptr;
        EXPECT_TRUE(testing::WaitUntil([&] {
            const std::vector<HWND> shown = testing::VisibleBirthdayWindows(*program);
            birthdays = shown.empty() ? nullptr : shown.back();
            return birthdays != nullptr;
        }));
        HWND picture = birthdays ? ChildWithText(birthdays, "print birthdays") : nullptr;
        EXPECT_NE(picture, nullptr);
        if (!picture)
            return nullptr;
        ::PostMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::PostMessageA(picture, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        HWND printWindow = nullptr;
        EXPECT_TRUE(testing::WaitUntil([&] {
            for (HWND window : program->Windows()) {
                if (::IsWindowVisible(window) &&
                    testing::HasChildOfClass(window, "NataloPagePreview"))
                    printWindow = window;
            }
            return printWindow != nullptr;
        }));
        return printWindow;
    }

    // "Print", then the dialog confirmed on the run's A4 queue, with a page range or all.
    void Print(HWND printWindow, int fromPage = 0, int toPage = 0) {
        ASSERT_NE(printWindow, nullptr);
        for (HWND child : testing::ChildWindows(printWindow)) {
            if (testing::WindowText(child) == "Print")
                ::PostMessageA(child, BM_CLICK, 0, 0);
        }
        HWND dialog = nullptr;
        ASSERT_TRUE(
            testing::WaitUntil([&] { return (dialog = program->FindMessageBox("Print")); }));
        HWND printers = ::GetDlgItem(dialog, kPrinterList);
        const std::string queue = testing::TestPrinter("NATALO_TEST_PRINTER_A4");
        ASSERT_GE(::SendMessageA(printers, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(queue.c_str())),
                  0)
            << queue;
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kPrinterList, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(printers));
        if (fromPage > 0) {
            ::SendMessageA(::GetDlgItem(dialog, kPagesChoice), BM_CLICK, 0, 0);
            ::SetWindowTextA(::GetDlgItem(dialog, kFromPage), std::to_string(fromPage).c_str());
            ::SetWindowTextA(::GetDlgItem(dialog, kToPage), std::to_string(toPage).c_str());
        }
        ::PostMessageA(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    }

    // A printed text of the printout (Tahoma, 12 points) has its cell at (x, y) hundredths
    // of a millimetre on the page.
    static void ExpectAt(const testing::PdfWord* word, int page, int x, int y) {
        EXPECT_TRUE(testing::PrintedAt(word, page, x, y, "Tahoma", 12));
    }
    static const testing::PdfWord* Find(const std::vector<testing::PdfWord>& words,
                                        const std::string& text) {
        return testing::FindWord(words, text);
    }

    testing::TempFolder folder;
    std::unique_ptr<RunningProgram> program;
    std::vector<std::string> earlierPdfs;
};

TEST_F(PrintEndToEnd, TheBirthdayListPrintsOnTwoA4PagesWhereTheLayoutPutsIt) {
    HWND printWindow = OpenPrintWindow();
    ASSERT_NE(printWindow, nullptr);
    Print(printWindow);
    const std::string pdf = NewPdf();
    const testing::PdfInfo info = testing::ReadPdfInfo(pdf);
    EXPECT_EQ(info.pages, 2);
    EXPECT_NEAR(info.width, 595.3, 1);
    EXPECT_NEAR(info.height, 841.9, 1);
    const std::vector<testing::PdfWord> words = testing::ReadPdfWords(pdf);
    ExpectAt(Find(words, "1/1/"), 1, 1500, 1500);   // the first date
    ExpectAt(Find(words, "P001"), 1, 3500, 1500);   // and its name
    ExpectAt(Find(words, "P053"), 1, 3500, 27500);  // the left column's last row
    ExpectAt(Find(words, "P054"), 1, 12500, 1500);  // the right column's first
    ExpectAt(Find(words, "P107"), 2, 3500, 1500);   // the second page's first
    ExpectAt(Find(words, "P120"), 2, 3500, 8000);
}

// Printed by a program started on a display at 150 %, every text starts where it does at
// 100 %; a last name ("Zed") starts where the first name's width, hinted for the display, ends.
TEST_F(PrintEndToEnd, TheBirthdayListPrintsTheSameOnADisplayAt144Dpi) {
    std::vector<testing::PdfWord> printed[2];  // at 96 and at 144 DPI
    for (const int dpi : {96, 144}) {
        program.reset();
        const testing::DisplayDpiForNewPrograms display(dpi);
        program = std::make_unique<RunningProgram>(folder.File("natalo.exe"));
        Print(OpenPrintWindow());
        printed[dpi / 144] = testing::ReadPdfWords(NewPdf());
    }
    ASSERT_TRUE(printed[0].size() >= 240 && printed[1].size() == printed[0].size());
    for (std::size_t i = 0; i < printed[0].size(); ++i) {
        const testing::PdfWord &at96 = printed[0][i], &at144 = printed[1][i];
        EXPECT_TRUE(at144.text == at96.text && at144.page == at96.page &&
                    (at96.text == "Zed" || (std::abs(at144.xMin - at96.xMin) < 0.05 &&
                                            std::abs(at144.yMin - at96.yMin) < 0.05)))
            << at96.text << ": " << at144.xMin - at96.xMin << ", " << at144.yMin - at96.yMin;
    }
}

TEST_F(PrintEndToEnd, PagesTwoToTwoChosenInTheDialogPrintTheSecondPageAlone) {
    HWND printWindow = OpenPrintWindow();
    ASSERT_NE(printWindow, nullptr);
    Print(printWindow, 2, 2);
    const std::string pdf = NewPdf();
    EXPECT_EQ(testing::ReadPdfInfo(pdf).pages, 1);
    const std::vector<testing::PdfWord> words = testing::ReadPdfWords(pdf);
    ExpectAt(Find(words, "P107"), 1, 3500, 1500);
    EXPECT_EQ(Find(words, "P001"), nullptr);
}

}  // namespace
}  // namespace natalo
