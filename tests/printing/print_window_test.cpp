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

// Whether a dotted focus rectangle runs along a row of a window's client area from x on:
// a pixel there differs from the colour the window has without it.
bool DottedFrom(HWND window, int x, int y, COLORREF plain) {
    for (int dx = 0; dx < 4; ++dx) {
        if (ui::testing::ClientPixel(window, x + dx, y) != plain)
            return true;
    }
    return false;
}

// Focus cues once the keyboard is used: along the strip's edge, and inside the page area of
// the preview's paper (which covers most of the preview). A mouse user sees neither.
TEST_F(PrintWindowTest, ThePreviewAndTheStripShowTheFocusOnlyOnceTheKeyboardIsUsed) {
    Start(People(3));
    ShowBirthdays();
    Form4().Show();
    TThumbnailStrip& strip = Form4().ThumbnailStrip1();
    TPaperSheet& paper = Preview().Paper();
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), white = RGB(255, 255, 255);
    const auto paperCue = [&] {
        const RECT page = paper.GetPageRect();
        const int inset = paper.Scaled(2);
        return DottedFrom(paper.Handle(), page.left + inset, page.top + inset, white);
    };
    const auto stripCue = [&] { return DottedFrom(strip.Handle(), 0, 0, face); };
    Preview().SetFocus();
    EXPECT_FALSE(paperCue());
    strip.SetFocus();
    EXPECT_FALSE(stripCue());

    ui::testing::PressShiftKey(strip.Handle(), VK_TAB);
    ASSERT_TRUE(Preview().Focused());
    EXPECT_TRUE(paperCue());
    EXPECT_FALSE(stripCue());
    ui::testing::PressKey(Preview().Handle(), VK_TAB);
    ASSERT_TRUE(strip.Focused());
    EXPECT_TRUE(stripCue());
    EXPECT_FALSE(paperCue());
}

// For people to look at, and checked: build/windows/print-window.png, and at 150 %
// print-window-144dpi.png.
TEST_F(PrintWindowTest, ShowsThePagesWithTheCurrentPagesThumbnailFramedInBlue) {
    for (const int dpi : {96, 144}) {
        ui::App().SetDpiSource([dpi](HWND) { return dpi; });
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
        const std::string file = dpi == 96 ? "print-window.png" : "print-window-144dpi.png";
        EXPECT_TRUE(ui::testing::ScreenShows(
            Form4().Handle(), file.c_str(),
            [&](const ui::testing::Screenshot& shot) {
                const RECT window = ui::testing::WindowRect(Form4().Handle());
                return ui::testing::AllOf(
                    {ui::testing::HasActiveTitleBand(shot, Form4()),
                     shot.HasColourAt({marker.x - window.left, marker.y - window.top},
                                      RGB(0, 0, 255))});
            }))
            << dpi << " DPI";
    }
}

}  // namespace
}  // namespace natalo
