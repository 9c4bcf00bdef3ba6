// The print window as a real window under Wine, started with the whole program over a
// data file in a scratch folder and a spooler of the test's own with one A4 printer.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/program_fixture.h"

namespace natalo {
namespace {

using testing::Person;

std::vector<AddressRecord> People(int count) {
    std::vector<AddressRecord> people;
    for (int i = 0; i < count; ++i)
        people.push_back(Person("P" + std::to_string(i), "Name", {1970, 1 + i % 12, 1 + i % 28}));
    return people;
}

class PrintWindowTest : public testing::ProgramTest {
  protected:
    TForm4& Form4() { return program->Form4(); }
    TPagePreview& Preview() { return program->Form4().PagePreview1(); }
    // The print list as a showing of the birthday window leaves it.
    void ShowBirthdays() { program->BirthdayWindowsOfRun().ShowNew(); }
};

// Where its parts lie is checked with every other window's (tests/app/window_layout.golden).
TEST_F(PrintWindowTest, MadeHiddenWithItsStripBoundToThePreview) {
    Start();
    EXPECT_EQ(Form4().Text(), "  Natalo - The Birthday Manager");
    EXPECT_FALSE(Form4().Visible());
    EXPECT_EQ(Form4().ThumbnailStrip1().PagePreview(), &Preview());
    EXPECT_EQ(&Form4().Memo1(), &program->Lists().printList);
}

TEST_F(PrintWindowTest, EachShowingRecordsTheListAnewOnThePrintersPaper) {
    Start(People(107));
    ShowBirthdays();
    Form4().Show();
    EXPECT_EQ(Preview().TotalPages(), 2);
    EXPECT_EQ(Preview().PaperWidth(), 21000);  // the printer's A4, portrait
    EXPECT_EQ(Preview().Orientation(), poPortrait);
    Form4().Button2().Click();
    EXPECT_FALSE(Form4().Visible());
    Form4().Show();
    EXPECT_EQ(Preview().TotalPages(), 2);
    EXPECT_EQ(Preview().State(), psReady);
    EXPECT_TRUE(errors_.empty());
}

TEST_F(PrintWindowTest, AnEmptyAddressBookGivesOneBlankPage) {
    Start();
    Form4().Show();
    EXPECT_EQ(Preview().TotalPages(), 1);
}

TEST_F(PrintWindowTest, PrintAsksOnlyWhenNoDocumentIsUnderWay) {
    Start(People(3));
    ShowBirthdays();
    Form4().Show();
    Preview().BeginDoc();
    Form4().Button1().Click();
    EXPECT_TRUE(printDialogPages.empty());
    Preview().EndDoc();
    Form4().Button1().Click();  // the dialog is cancelled: nothing is printed
    EXPECT_EQ(printDialogPages, std::vector<int>{1});
    EXPECT_EQ(Preview().State(), psReady);
    EXPECT_TRUE(errors_.empty());
}

TEST_F(PrintWindowTest, ThePrintPictureFadesTheBirthdayWindowOutAndShowsThePrintWindow) {
    Start(People(3));
    ShowBirthdays();
    TfrmDisp& birthdays = *program->frmDisp();
    birthdays.Image4().Click();
    EXPECT_FALSE(birthdays.Visible());
    EXPECT_TRUE(Form4().Visible());
    EXPECT_FALSE(Form4().IsModal());
    EXPECT_EQ(Preview().TotalPages(), 1);
    EXPECT_EQ(Form4().Memo1().size(), 6u);
}

// Focus cues once the keyboard is used, none before: on the strip's edge, in the paper's page.
TEST_F(PrintWindowTest, ThePreviewAndTheStripShowTheFocusOnlyOnceTheKeyboardIsUsed) {
    Start(People(3));
    ShowBirthdays();
    Form4().Show();
    HWND strip = Form4().ThumbnailStrip1().Handle(), paper = Preview().Paper().Handle();
    const int inPage = Preview().Paper().GetPageRect().left + Preview().Paper().Scaled(2);
    const auto dotted = [](HWND window, int at, COLORREF plain) {  // a dot: the first or next
        return ui::testing::ClientPixel(window, at, at) != plain ||
               ui::testing::ClientPixel(window, at + 1, at) != plain;
    };
    const auto cues = [&] {
        return std::pair{dotted(paper, inPage, RGB(255, 255, 255)),
                         dotted(strip, 0, ::GetSysColor(COLOR_BTNFACE))};
    };
    ::SetFocus(strip);
    EXPECT_EQ(cues(), std::pair(false, false));
    ui::testing::PressShiftKey(strip, VK_TAB);
    EXPECT_EQ(cues(), std::pair(true, false));
    ui::testing::PressKey(::GetFocus(), VK_TAB);
    EXPECT_EQ(cues(), std::pair(false, true));
}

// For people to look at, and checked: build/windows/print-window.png (-144dpi at 150 %).
class PrintWindowScreenshot : public PrintWindowTest, public ::testing::WithParamInterface<int> {};
TEST_P(PrintWindowScreenshot, ShowsThePagesWithTheCurrentPagesThumbnailFramedInBlue) {
    ui::App().SetDpiSource([dpi = GetParam()](HWND) { return dpi; });
    Start(People(250));
    ShowBirthdays();
    Form4().Show();
    TThumbnailStrip& strip = Form4().ThumbnailStrip1();
    ASSERT_TRUE(ui::testing::PumpUntil([&] { return strip.CurrentThumbnail() != nullptr; }));
    EXPECT_EQ(strip.ThumbnailCount(), 3);
    const TThumbnail& current = *strip.CurrentThumbnail();
    ASSERT_NE(current.Paper(), nullptr);
    // Left of the page area of the current page's thumbnail: the marker's frame.
    const RECT page = current.Paper()->GetPageRect();
    POINT marker{page.left, (page.top + page.bottom) / 2};
    ::ClientToScreen(current.Paper()->Handle(), &marker);
    EXPECT_TRUE(ui::testing::ScreenShows(
        Form4().Handle(), GetParam() == 96 ? "print-window.png" : "print-window-144dpi.png",
        [&](const ui::testing::Screenshot& shot) {
            const RECT window = ui::testing::WindowRect(Form4().Handle());
            return ui::testing::AllOf(
                {ui::testing::HasActiveTitleBand(shot, Form4()),
                 shot.HasColourAt({marker.x - window.left, marker.y - window.top},
                                  RGB(0, 0, 255))});
        }));
}
INSTANTIATE_TEST_SUITE_P(At96And144Dpi, PrintWindowScreenshot, ::testing::Values(96, 144));

}  // namespace
}  // namespace natalo
