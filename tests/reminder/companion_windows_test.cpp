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

TEST_F(CompanionWindowsTest, BrowserWindowLayout) {
    Start();
    EXPECT_EQ(form3->Text(), "  Natalo - The Birthday Manager");
    const RECT client = form3->ClientRect();
    EXPECT_EQ(client.right, 583);
    EXPECT_EQ(client.bottom, 485);
    EXPECT_EQ(form3->WebBrowser1().GetBounds(), (ui::Bounds{0, 36, 583, 400}));
    EXPECT_EQ(form3->Back().GetBounds(), (ui::Bounds{12, 441, 36, 33}));
    EXPECT_EQ(form3->Forward().GetBounds(), (ui::Bounds{52, 441, 36, 33}));
    EXPECT_EQ(form3->Cancel1().GetBounds(), (ui::Bounds{92, 441, 36, 33}));
    EXPECT_EQ(form3->Cancel2().GetBounds(), (ui::Bounds{132, 441, 36, 33}));
    EXPECT_EQ(form3->CloseBrowser().GetBounds(), (ui::Bounds{448, 448, 121, 27}));
    EXPECT_EQ(form3->CloseBrowser().Text(), "Close Browser");
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
    EXPECT_EQ(form1->ClientRect().right, 268);
    EXPECT_EQ(form1->ClientRect().bottom, 249);
    EXPECT_EQ(form1->TitleLabel().Text(), "Tell a friend about Natalo!");
    EXPECT_EQ(form1->TitleLabel().GetBounds().left, 24);
    EXPECT_EQ(form1->TitleLabel().GetBounds().top, 48);
    EXPECT_EQ(form1->TitleLabel().GetBounds().width, 109);
    EXPECT_GT(form1->TitleLabel().GetBounds().height, 13);  // wrapped onto two lines
    EXPECT_EQ(form1->TextLabel().Text(),
              "Click the following Link if you would like to send our Software  to your "
              "friends or colleges.");
    EXPECT_EQ(form1->TextLabel().GetBounds().width, 224);
    EXPECT_EQ(form1->TellAFriendLink().GetBounds().left, 64);
    EXPECT_EQ(form1->TellAFriendLink().GetBounds().top, 152);
    EXPECT_EQ(form1->TellAFriendLink().Font(),
              ui::CachedFont(ui::FontSpec::Points("MS Sans Serif", 8).Underlined()));
    EXPECT_EQ(form1->CloseButton().GetBounds(), (ui::Bounds{72, 200, 115, 33}));
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

TEST(ResourcePictureTest, DecodesTheJpegPicturesAndMissesNothingElse) {
    const UniqueBitmap picture = LoadJpegResource(IDR_BIRTHDAY_PICTURE);
    EXPECT_EQ(BitmapSize(picture.get()).cx, 153);
    EXPECT_EQ(BitmapSize(picture.get()).cy, 297);
    const UniqueBitmap logo = LoadJpegResource(IDR_NATALO_LOGO);
    EXPECT_EQ(BitmapSize(logo.get()).cx, 201);
    EXPECT_EQ(BitmapSize(logo.get()).cy, 73);
    EXPECT_FALSE(LoadJpegResource(999));
    // An id that holds no picture of this kind gives nothing.
    EXPECT_FALSE(LoadJpegResource(IDI_BUTTON_CLOSE));
    EXPECT_NE(ResourceIcon(IDI_BUTTON_CLOSE, 32), nullptr);
    EXPECT_EQ(ResourceIcon(IDI_BUTTON_PRINT, 32), nullptr);  // left out of this program
}

TEST(TooltipLinesTest, LoneCarriageReturnsBecomeLineBreaks) {
    EXPECT_EQ(TooltipLines("a\rb\r\nc\r"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(TooltipLines("plain"), "plain");
}

}  // namespace
}  // namespace natalo::testing
