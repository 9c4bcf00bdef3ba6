// The browser, tell-a-friend and About windows, and the main window's commands that open
// them, under Wine.
#include <gtest/gtest.h>

#include "reminder/resource_pictures.h"
#include "reminder/schedule_labels.h"
#include "reminder/web_browser_control.h"
#include "reminder_window_fixture.h"
#include "resource_ids.h"

namespace natalo::testing {
namespace {

using ui::testing::Pump;
using ui::testing::RunLater;

using CompanionWindowsTest = ReminderWindowTest;

// Where the windows' parts lie is checked with every other window's
// (tests/app/window_layout.golden).
TEST_F(CompanionWindowsTest, BrowserWindowFrame) {
    Start();
    EXPECT_EQ(form3->Text(), "  Natalo - The Birthday Manager");
    EXPECT_EQ(form3->Frame().Style().cornerRadius, 13);
    EXPECT_EQ(form3->Frame().Style().borderWidth, 3);
    EXPECT_EQ(form3->Frame().Style().borderColour, RGB(0, 44, 200));
    EXPECT_TRUE(::GetWindowLongA(form3->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(CompanionWindowsTest, CloseBrowserHidesItWithoutBringingTheBirthdaysBack) {
    Start();
    TfrmDisp& birthdays = ShowBirthdayWindow();
    birthdays.Hide();
    form3->Show();
    form3->CloseBrowser().Click();
    EXPECT_FALSE(form3->Visible());
    EXPECT_FALSE(birthdays.Visible());
}

TEST_F(CompanionWindowsTest, BrowserCommandFailuresAreShownAndTheWindowStaysOpen) {
    Start();
    if (!form3->WebBrowser1().Available())
        GTEST_SKIP() << "no browser control in this system";
    form3->Show();
    Click(form3->Back());  // no earlier page
    EXPECT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(form3->Visible());
}

TEST_F(CompanionWindowsTest, NavigateRemembersTheAddressWhereverItGoes) {
    Start();
    const bool inPlace = form3->Navigate("http://127.0.0.1:9/page?x=1");
    EXPECT_EQ(form3->LastNavigatedUrl(), "http://127.0.0.1:9/page?x=1");
    EXPECT_EQ(inPlace, form3->WebBrowser1().Available());
    EXPECT_EQ(opened.empty(), inPlace);
}

TEST_F(CompanionWindowsTest, ComErrorTextHasNoTrailingPeriodOrLineBreak) {
    const std::string text = ComErrorText(E_FAIL);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '.');
    EXPECT_NE(text.back(), '\n');
    EXPECT_EQ(ComErrorText(static_cast<HRESULT>(0xA0001234)), "OLE-Fehler A0001234");
}

TEST_F(CompanionWindowsTest, TellAFriendWindowLayoutAndLink) {
    Start();
    EXPECT_EQ(form1->Text(), "Natalo");
    EXPECT_GT(form1->TitleLabel().GetBounds().height, 13);  // wrapped onto two lines
    EXPECT_EQ(form1->TextLabel().Text(),
              "Click the following Link if you would like to send our Software  to your "
              "friends or colleges.");
    EXPECT_EQ(
        form1->TellAFriendLink().Font(),
        ui::CachedFont(ui::FontSpec::Points("MS Sans Serif", 8).Underlined(), ui::kLayoutDpi));
    Click(form1->TellAFriendLink());
    EXPECT_EQ(opened, std::vector<std::string>{"http://www.natalo.example/tellafriend/"});
}

TEST_F(CompanionWindowsTest, TellFriendsCommandHidesTheMainWindowAndShowsTheWindowModally) {
    Start();
    input->Show();
    bool wasModal = false;
    RunLater([&] {
        wasModal = form1->IsModal() && form1->Visible() && !input->Visible();
        form1->CloseButton().Click();
    });
    input->cmdTellFriendsClick();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(form1->Visible());
}

TEST_F(CompanionWindowsTest, AboutCommandHidesTheBirthdaysAndShowsTheBoxWithoutBlocking) {
    Start();
    TfrmDisp& birthdays = ShowBirthdayWindow();
    input->cmdAboutClick();  // returns at once
    EXPECT_FALSE(birthdays.Visible());
    EXPECT_TRUE(about->Visible());
    EXPECT_FALSE(about->IsModal());
}

TEST_F(CompanionWindowsTest, AboutBoxShowsLogoAddressAndLinks) {
    Start();
    EXPECT_EQ(about->Text(), "About");
    EXPECT_EQ(about->ClientRect().right, 269);
    EXPECT_EQ(about->ClientRect().bottom, 271);
    EXPECT_EQ(about->Frame().Style().borderColour, RGB(127, 127, 127));
    EXPECT_TRUE(about->HasLogo());
    EXPECT_EQ(about->AddressLine(0).Text(), "Zarnik Computers");
    EXPECT_EQ(about->AddressLine(0).GetBounds().top, 136);
    EXPECT_EQ(about->AddressLine(4).GetBounds().top, 200);
    EXPECT_EQ(about->WebSiteLink().GetBounds().left, 103);
    EXPECT_EQ(about->WebSiteLink().GetBounds().top, 224);
    EXPECT_EQ(about->GreetingSiteLink().GetBounds().left, 100);
    EXPECT_EQ(about->GreetingSiteLink().GetBounds().top, 240);
    Click(about->WebSiteLink());
    Click(about->GreetingSiteLink());
    EXPECT_EQ(opened, (std::vector<std::string>{"http://www.natalo.example/",
                                                "http://greetings.natalo.example/"}));
}

TEST_F(CompanionWindowsTest, AClickOnTheAboutBoxFreeAreaClosesIt) {
    Start();
    about->Show();
    Click(about->WebSiteLink());
    EXPECT_TRUE(about->Visible());  // a link is not free area
    Click(*about);
    EXPECT_FALSE(about->Visible());
}

TEST(ResourcePictureTest, DecodesTheArtworkAtTheSizeForEachDpiAndMissesNothingElse) {
    struct Case {
        Artwork artwork;
        int dpi;
        SIZE size;
    };
    // 96 DPI shows the picture drawn for it; the others scale the twice-as-large one down.
    for (const Case& c : {Case{{IDR_BIRTHDAY_PICTURE, IDR_BIRTHDAY_PICTURE_2X}, 96, {153, 297}},
                          Case{{IDR_BIRTHDAY_PICTURE, IDR_BIRTHDAY_PICTURE_2X}, 144, {230, 446}},
                          Case{{IDR_BIRTHDAY_PICTURE, IDR_BIRTHDAY_PICTURE_2X}, 192, {306, 594}},
                          Case{{IDR_NATALO_LOGO, IDR_NATALO_LOGO_2X}, 96, {201, 73}},
                          Case{{IDR_NATALO_LOGO, IDR_NATALO_LOGO_2X}, 120, {251, 91}}}) {
        const UniqueBitmap picture = LoadArtwork(c.artwork, c.dpi);
        EXPECT_EQ(BitmapSize(picture.get()).cx, c.size.cx) << c.dpi;
        EXPECT_EQ(BitmapSize(picture.get()).cy, c.size.cy) << c.dpi;
    }
    EXPECT_FALSE(LoadArtwork({999, 998}, 96));
    // An id that holds no picture of this kind gives nothing.
    EXPECT_FALSE(LoadArtwork({IDI_BUTTON_CLOSE, IDI_BUTTON_CLOSE}, 144));
}

TEST(TooltipLinesTest, LoneCarriageReturnsBecomeLineBreaks) {
    EXPECT_EQ(TooltipLines("a\rb\r\nc\r"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(TooltipLines("plain"), "plain");
}

}  // namespace
}  // namespace natalo::testing
