// The birthday window under Wine: what a showing lays out for a prepared data file and a
// fixed today, its fixed parts, its links, fading, growing and shrinking.
#include <gtest/gtest.h>

#include <regex>

#include "reminder/birthday_lists.h"
#include "reminder/volume_serial.h"
#include "reminder_window_fixture.h"
#include "support/text_lines_printer.h"

namespace natalo::testing {
namespace {

using ui::FontSpec;
using ui::testing::Pump;
using ui::testing::RunLater;
using ui::testing::WaitUntilRunLaterIsDue;

const std::string kService = "http://greetings.natalo.example/zozerodivodurorudu/showall.php";

struct Expected {
    int left, top;
    std::string text;
};

class BirthdayWindowTest : public ReminderWindowTest {
  protected:
    // Today is 20 December 2026.
    void StartWithFourPeople() { Start(FourPeopleAroundChristmas()); }
    static void ExpectLabels(const std::vector<ui::Label*>& labels,
                             const std::vector<Expected>& expected) {
        ASSERT_EQ(labels.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const ui::Bounds bounds = labels[i]->GetBounds();
            EXPECT_EQ(labels[i]->Text(), expected[i].text);
            EXPECT_EQ(bounds.left, expected[i].left) << expected[i].text;
            EXPECT_EQ(bounds.top, expected[i].top) << expected[i].text;
        }
    }
    static BYTE Opacity(HWND window) {
        BYTE alpha = 0;
        DWORD flags = 0;
        ::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
        return alpha;
    }
};

TEST_F(BirthdayWindowTest, ComingColumnShowsHeadingsAndNamesWhereTheScheduleSays) {
    StartWithFourPeople();
    TfrmDisp& window = ShowBirthdayWindow();
    ASSERT_TRUE(window.Visible());
    const ScheduleLabels& labels = window.RunTimeLabels();
    ExpectLabels(labels.Headings(), {{170, 48, "Sun, 20.12."},
                                     {170, 96, "Thu, 24.12."},
                                     {170, 141, "Tue, 05.01.."},
                                     {170, 186, "Fri, 10.12.."}});
    ExpectLabels(labels.Names(), {{190, 63, "Tom Today (36.)"},
                                  {190, 111, "Anna Muster (42.)"},
                                  {190, 156, "Bert Brown (77.)"},
                                  {190, 201, "Clara Klein (57.)"}});
    EXPECT_TRUE(errors_.empty());
}

TEST_F(BirthdayWindowTest, RunTimeLabelsWearTheirFontsColoursAndTooltips) {
    StartWithFourPeople();
    TfrmDisp& window = ShowBirthdayWindow();
    const ScheduleLabels& labels = window.RunTimeLabels();

    for (ui::Label* heading : labels.Headings()) {
        EXPECT_EQ(heading->Font(),
                  ui::CachedFont(FontSpec::Points("MS Sans Serif", 8).Bold(), ui::kLayoutDpi));
        EXPECT_EQ(heading->TextColour(), RGB(128, 128, 128));
        EXPECT_FALSE(heading->Transparent());
    }
    // Only today's birthday is bold.
    EXPECT_EQ(labels.Names()[0]->Font(),
              ui::CachedFont(FontSpec::Points("MS Sans Serif", 10).Bold(), ui::kLayoutDpi));
    EXPECT_EQ(labels.Names()[1]->Font(),
              ui::CachedFont(FontSpec::Points("MS Sans Serif", 10), ui::kLayoutDpi));
    for (ui::Label* name : labels.Names()) {
        EXPECT_EQ(name->TextColour(), RGB(0, 0, 0));
        EXPECT_FALSE(name->Transparent());
    }
    EXPECT_EQ(window.Tooltips().TipText(labels.Names()[1]->Handle()), "Anna Muster (42.)");

    ASSERT_EQ(labels.RecentRows().size(), 2u);
    for (ui::Label* row : labels.RecentRows()) {
        EXPECT_EQ(row->Font(), ui::CachedFont(FontSpec::Points("Tahoma", 8), ui::kLayoutDpi));
        EXPECT_TRUE(row->Transparent());
        EXPECT_FALSE(row->AutoSize());
        EXPECT_EQ(row->GetBounds().width, 140);
    }
}

TEST_F(BirthdayWindowTest, RecentListShowsTheLatestPastBirthdayFirst) {
    StartWithFourPeople();
    TfrmDisp& window = ShowBirthdayWindow();
    const auto& rows = window.RunTimeLabels().RecentRows();
    ExpectLabels(rows, {{10, 347, "Thu, 10.12. Clara Klein"}, {10, 359, "Mon, 05.01. Bert Brown"}});
    EXPECT_EQ(window.Tooltips().TipText(rows[0]->Handle()), "Clara Klein");
}

TEST_F(BirthdayWindowTest, LinkRowsFollowThePassAndTheContactsOfEachPerson) {
    StartWithFourPeople();
    TfrmDisp& window = ShowBirthdayWindow();
    const auto& rows = window.RunTimeLabels().LinkRows();
    ASSERT_EQ(rows.size(), 4u);

    // Anna, this year, with an e-mail address: all three links active.
    const auto& anna = rows[1];
    EXPECT_EQ(anna.gift->GetBounds().left, 190);
    EXPECT_EQ(anna.gift->GetBounds().top, 128);
    EXPECT_EQ(anna.mail->GetBounds().left, 265);
    EXPECT_EQ(anna.greeting->GetBounds().left, 290);
    EXPECT_EQ(anna.gift->Text(), "Search a present");
    EXPECT_EQ(anna.mail->Text(), "email");
    EXPECT_EQ(anna.greeting->Text(), "automate");
    EXPECT_TRUE(anna.mail->Enabled());
    EXPECT_TRUE(anna.greeting->Enabled());
    EXPECT_EQ(anna.gift->Tag(), 4);
    EXPECT_EQ(anna.greeting->Tag(), 4);
    for (ui::LinkLabel* link : {anna.gift, anna.mail, anna.greeting}) {
        EXPECT_EQ(link->Font(), ui::CachedFont(FontSpec::Points("Tahoma", 7), ui::kLayoutDpi));
        EXPECT_EQ(link->TextColour(), RGB(128, 0, 0));
        EXPECT_TRUE(link->Transparent());
    }
    // Tooltips break their lines; active mail and greeting links have none.
    EXPECT_EQ(window.Tooltips().TipText(anna.gift->Handle()),
              "Klicken Sie hier und Sie erhalten\r\nGeschenkideen und Geschenketipps!");
    EXPECT_FALSE(window.Tooltips().HasTip(anna.mail->Handle()));
    EXPECT_FALSE(window.Tooltips().HasTip(anna.greeting->Handle()));

    // Bert, next year, without any contact: mail and greeting links disabled, with tips.
    const auto& bert = rows[2];
    EXPECT_EQ(bert.greeting->Text(), "Automat");
    EXPECT_FALSE(bert.mail->Enabled());
    EXPECT_FALSE(bert.greeting->Enabled());
    EXPECT_EQ(bert.greeting->Tag(), 0);
    EXPECT_EQ(window.Tooltips().TipText(bert.gift->Handle()),
              "Click here to find\r\npresents online!");
    EXPECT_EQ(AreaTooltip(window, bert.mail->Id()),
              "Add a emailaddress\r\nand send easily\r\nbirthday greatings!");
    EXPECT_EQ(AreaTooltip(window, bert.greeting->Id()),
              "Add a emailaddress\r\nand send automatically\r\nbirthday greatings!");

    // Clara has only a mobile number: no mail, but automatic greetings.
    EXPECT_FALSE(rows[3].mail->Enabled());
    EXPECT_TRUE(rows[3].greeting->Enabled());
}

TEST_F(BirthdayWindowTest, MailLinkTurnsRedUnderTheMouseAndOpensTheEncodedAddress) {
    Start({WithContacts(Person("Anna", "Muster", {1984, 12, 24}), "a&b?cc=x@example.com", "")});
    TfrmDisp& window = ShowBirthdayWindow();
    ui::LinkLabel& mail = *window.RunTimeLabels().LinkRows()[0].mail;
    ::SendMessageA(mail.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(mail.CurrentTextColour(), RGB(255, 0, 0));
    ::SendMessageA(mail.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(mail.CurrentTextColour(), RGB(128, 0, 0));

    Click(mail);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "mailto:a%26b%3Fcc%3Dx@example.com");
}

TEST_F(BirthdayWindowTest, DisabledLinksOpenNothing) {
    Start({Person("Bert", "Brown", {1950, 1, 5})});
    TfrmDisp& window = ShowBirthdayWindow();
    const auto& row = window.RunTimeLabels().LinkRows()[0];
    Click(*row.mail);
    Click(*row.greeting);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(form3->LastNavigatedUrl(), "");
    EXPECT_TRUE(window.Visible());
}

TEST_F(BirthdayWindowTest, GiftLinkOpensItsPageInTheBrowserWindowAndHidesTheBirthdays) {
    StartWithFourPeople();
    TfrmDisp& window = ShowBirthdayWindow();
    Click(*window.RunTimeLabels().LinkRows()[0].gift);

    const std::string expected =
        kService + "?id=" + VolumeSerialHex() + "&lang=en&v=2.0&h=gt&g=m&a=36&n=Tom";
    EXPECT_EQ(form3->LastNavigatedUrl(), expected);
    EXPECT_FALSE(window.Visible());
    if (form3->WebBrowser1().Available()) {
        EXPECT_TRUE(form3->Visible());
        EXPECT_TRUE(opened.empty());
    } else {
        // Without a browser control the user's own browser gets the page.
        EXPECT_FALSE(form3->Visible());
        EXPECT_EQ(opened, std::vector<std::string>{expected});
    }
}

TEST_F(BirthdayWindowTest, GreetingLinkOpensTheGreetingPageOfItsPass) {
    StartWithFourPeople();
    TfrmDisp& window = ShowBirthdayWindow();
    Click(*window.RunTimeLabels().LinkRows()[1].greeting);  // Anna, this year
    EXPECT_EQ(form3->LastNavigatedUrl(),
              kService + "?lang=en&v=1.0.1&h=automat&email=anna%40example.com&sms=");
    Click(*window.RunTimeLabels().LinkRows()[3].greeting);  // Clara, next year
    EXPECT_EQ(form3->LastNavigatedUrl(), kService + "?id=" + VolumeSerialHex() +
                                             "&lang=en&v=2.0&h=automat&email=&sms=0170%20123");
}

TEST_F(BirthdayWindowTest, EachBuildFillsTheLinkTableAndThePrintList) {
    StartWithFourPeople();
    ShowBirthdayWindow();
    ASSERT_NE(program->Lists().linkTable.Find(8), nullptr);
    EXPECT_EQ(program->Lists().linkTable.Find(8)->GiftUrl(),
              kService + "?id=" + VolumeSerialHex() + "&lang=en&v=2.0&h=gt&g=f&a=57&n=Clara");
    EXPECT_EQ(program->Lists().printList,
              (TextLines{"05.01.", "Bert Brown", "10.12.", "Clara Klein", "20.12.", "Tom Today",
                         "24.12.", "Anna Muster"}));
}

TEST_F(BirthdayWindowTest, TitleBandCarriesTheDateOfCreationWhileTheWindowTextStaysPlain) {
    Start();
    TfrmDisp& window = ShowBirthdayWindow();
    EXPECT_EQ(window.Text(), "   Natalo - The Birthday Manager");
    EXPECT_EQ(window.FrameCaption(), "   Natalo - The Birthday Manager - 20.12.2026");
    clock.SetToday({2026, 12, 21});  // past midnight the window keeps its date
    window.Invalidate();
    EXPECT_EQ(window.FrameCaption(), "   Natalo - The Birthday Manager - 20.12.2026");
}

// Where its fixed parts lie is checked with every other window's
// (tests/app/window_layout.golden).
TEST_F(BirthdayWindowTest, FixedPartsPicturesTextsAndNotice) {
    Start();
    TfrmDisp& window = ShowBirthdayWindow();
    EXPECT_EQ(window.GetBounds().width, TfrmDisp::kNormalWidth);
    EXPECT_EQ(Opacity(window.Handle()), 240);
    EXPECT_TRUE(::GetWindowLongA(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    struct Picture {
        ui::PictureButton& button;
        const char* hint;
    };
    for (const Picture& picture :
         {Picture{window.Image4(), "print birthdays"}, Picture{window.Image2(), "edit birthdays"},
          Picture{window.Image3(), "close window"}, Picture{window.Image5(), "enlarge window"},
          Picture{window.Image6(), "make window smaller"}}) {
        EXPECT_EQ(window.Tooltips().TipText(picture.button.Handle()), picture.hint);
    }
    EXPECT_EQ(window.URLLabel1().Text(), "\xA9 2003-2026 Zarnik Computers");
    EXPECT_EQ(window.URLLabel1().Font(),
              ui::CachedFont(FontSpec::Pixels("Tahoma", 9).Underlined(), ui::kLayoutDpi));
    Click(window.URLLabel1());
    EXPECT_EQ(opened, std::vector<std::string>{"http://www.natalo.example/"});
    EXPECT_TRUE(window.HasPicture());

    // An empty address book: only the fixed parts, and no message.
    EXPECT_TRUE(window.RunTimeLabels().Names().empty());
    EXPECT_TRUE(window.RunTimeLabels().RecentRows().empty());
    EXPECT_TRUE(errors_.empty());
}

TEST_F(BirthdayWindowTest, TitleBandMovesTheWindowLikeATitleBar) {
    Start();
    TfrmDisp& window = ShowBirthdayWindow();
    POINT band{100, 10}, below{100, 40};
    ::ClientToScreen(window.Handle(), &band);
    ::ClientToScreen(window.Handle(), &below);
    EXPECT_EQ(::SendMessageA(window.Handle(), WM_NCHITTEST, 0, MAKELPARAM(band.x, band.y)),
              HTCAPTION);
    EXPECT_EQ(::SendMessageA(window.Handle(), WM_NCHITTEST, 0, MAKELPARAM(below.x, below.y)),
              HTCLIENT);
}

TEST_F(BirthdayWindowTest, FadeServesMessagesAtEachStepAndEndsHidden) {
    Start();
    TfrmDisp& window = ShowBirthdayWindow();
    bool ranDuringFade = false;
    RunLater([&] { ranDuringFade = window.Fading(); }, 1);
    ASSERT_TRUE(WaitUntilRunLaterIsDue());  // before the fade starts
    Click(window.Image3());
    EXPECT_TRUE(ranDuringFade);
    EXPECT_FALSE(window.Fading());
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(Opacity(window.Handle()), 0);
}

TEST_F(BirthdayWindowTest, EditPictureFadesOutAndShowsTheMainWindow) {
    Start();
    TfrmDisp& window = ShowBirthdayWindow();
    input->Hide();
    Click(window.Image2());
    EXPECT_FALSE(window.Visible());
    EXPECT_TRUE(input->Visible());
    EXPECT_EQ(input->GetWindowState(), ui::WindowState::Normal);
}

TEST_F(BirthdayWindowTest, EnlargeGrowsToTheWideSizeAndShrinkGoesBack) {
    Start();
    TfrmDisp& window = ShowBirthdayWindow();
    std::vector<int> widths;
    RECT before{};
    ::GetWindowRect(window.Handle(), &before);
    Click(window.Image5());
    EXPECT_EQ(window.GetBounds().width, TfrmDisp::kEnlargedWidth);
    EXPECT_EQ(window.GetBounds().left, before.left);  // it grows to the right
    Click(window.Image5());                           // snaps back and grows again
    EXPECT_EQ(window.GetBounds().width, TfrmDisp::kEnlargedWidth);
    EXPECT_EQ(window.ClientRect().right, 447);  // the shrink picture at 420..440 is inside
    Click(window.Image6());
    EXPECT_EQ(window.GetBounds().width, TfrmDisp::kNormalWidth);
}

TEST_F(BirthdayWindowTest, EnlargeAndShrinkActOnTheLatestBirthdayWindow) {
    Start();
    TfrmDisp& first = ShowBirthdayWindow();
    input->ShowBirthdays();
    TfrmDisp* latest = program->frmDisp();
    ASSERT_NE(latest, &first);
    Click(first.Image5());
    EXPECT_EQ(latest->GetBounds().width, TfrmDisp::kEnlargedWidth);
    EXPECT_EQ(first.GetBounds().width, TfrmDisp::kNormalWidth);
}

TEST_F(BirthdayWindowTest, ShowBirthdaysLeavesOneFreshVisibleWindowAndHidesTheMainWindow) {
    Start({Person("Anna", "Muster", {1984, 12, 24})});
    input->Show();
    input->ShowBirthdays();
    TfrmDisp* first = program->frmDisp();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(input->Visible());
    clock.SetToday({2026, 12, 24});
    input->ShowBirthdays();
    TfrmDisp* second = program->frmDisp();
    ASSERT_NE(second, first);
    EXPECT_FALSE(first->Visible());
    EXPECT_TRUE(second->Visible());
    // The fresh window was built for the new day: Anna's birthday is today now.
    EXPECT_EQ(second->RunTimeLabels().Names()[0]->Font(),
              ui::CachedFont(FontSpec::Points("MS Sans Serif", 10).Bold(), ui::kLayoutDpi));
    EXPECT_EQ(second->FrameCaption(), "   Natalo - The Birthday Manager - 24.12.2026");
    // Hidden earlier windows are freed by a later showing: forms do not pile up.
    const std::size_t forms = ui::App().Forms().size();
    input->ShowBirthdays();
    input->ShowBirthdays();
    EXPECT_EQ(ui::App().Forms().size(), forms);
}

TEST_F(BirthdayWindowTest, AWindowStillFadingIsNotFreedByANewShowing) {
    Start();
    TfrmDisp& fading = ShowBirthdayWindow();
    // During the fade a new showing comes (the daily timer would do that) and then another.
    RunLater(
        [&] {
            input->ShowBirthdays();
            input->ShowBirthdays();
        },
        1);
    ASSERT_TRUE(WaitUntilRunLaterIsDue());
    fading.Button1Click();  // must come back to a living window
    EXPECT_FALSE(fading.Visible());
    EXPECT_TRUE(program->frmDisp()->Visible());
}

TEST_F(BirthdayWindowTest, ScanKeepsTheDataFilePosition) {
    StartWithFourPeople();
    input->Data().Seek(2);
    ShowBirthdayWindow();
    EXPECT_EQ(input->Data().Position(), 2u);
}

TEST_F(BirthdayWindowTest, ReadFailureIsReportedAndTheWindowShowsItsFixedParts) {
    const auto bytes = FileOf({Person("Anna", "Muster", {1984, 12, 24})});
    std::string content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    StartWithFile(content + "partial");
    errors_.clear();  // the main window reports the damaged file too
    TfrmDisp& window = ShowBirthdayWindow();
    EXPECT_EQ(errors_, std::vector<std::string>{"Versuch hinter dem Dateiende zu lesen."});
    EXPECT_TRUE(window.Visible());
    EXPECT_TRUE(window.RunTimeLabels().Names().empty());
}

TEST_F(BirthdayWindowTest, PrintPictureRunsThePrintCommand) {
    Start();
    TfrmDisp& window = ShowBirthdayWindow();
    int printed = 0;
    program->BirthdayWindowsOfRun().PrintBirthdays().Connect([&] { ++printed; });
    Click(window.Image4());
    EXPECT_EQ(printed, 1);
}

TEST(VolumeSerialTest, IsEightUpperCaseHexDigitsOrNothing) {
    EXPECT_TRUE(std::regex_match(VolumeSerialHex(), std::regex("([0-9A-F]{8})?")));
}

}  // namespace
}  // namespace natalo::testing
