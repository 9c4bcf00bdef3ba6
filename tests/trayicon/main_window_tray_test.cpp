// The main window's tray: its icon and menu, the daily timer and "Start with Windows",
// with the real windows under Wine, a fixed today and the data file in a scratch folder.
// The Run entry of the test prefix is put back as it was after each test.
#include "addressbook/tray_menu.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/program_fixture.h"
#include "platform/win32_environment.h"
#include "platform/win32_registry.h"
#include "win32/user_settings.h"

namespace natalo {
namespace {

using ui::testing::Pump;
using ui::testing::PumpUntil;

class MainWindowTrayTest : public testing::ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        RegistryAccessor registry;
        registry.OpenKey(kRunKeyPath, true);
        registry.DeleteValue(kAutostartValueName);
    }

    void Start() { StartOverDataFile(); }
    MainWindowTray& Tray() { return *MainWindowTray::Of(*input); }
    // A menu item chosen: the menu posts its command to the main window.
    void Choose(int item) {
        ::PostMessageA(input->Handle(), WM_COMMAND, static_cast<WPARAM>(item), 0);
        Pump(30);
    }
    // The shell's callback for the tray icon.
    void PostToIcon(unsigned notification) {
        TTrayIcon& icon = Tray().TrayIcon1();
        ::PostMessageA(icon.HandlerWindow(), TTrayIcon::kTrayCallbackMessage, icon.IconId(),
                       notification);
    }
    static void PutRunEntry(const std::string& text) {
        ASSERT_TRUE(
            testing::PutRegistryText(HKEY_CURRENT_USER, kRunKeyPath, kAutostartValueName, text));
    }
    static std::optional<std::string> RunEntry() {
        RegistryAccessor registry;
        if (!registry.OpenKey(kRunKeyPath, false) || !registry.ValueExists(kAutostartValueName))
            return std::nullopt;
        return registry.ReadString(kAutostartValueName);
    }
    bool StartWithWindowsChecked() {
        return Tray().TrayMenu().Checked(Tray().StartWithWindowsItem());
    }
    // The birthday windows that can be seen.
    std::vector<TfrmDisp*> VisibleBirthdayWindows() const {
        std::vector<TfrmDisp*> visible;
        for (ui::Form* form : ui::App().Forms()) {
            auto* window = dynamic_cast<TfrmDisp*>(form);
            if (window && window->Exists() && ::IsWindowVisible(window->Handle()))
                visible.push_back(window);
        }
        return visible;
    }
    bool DataFileExists() const {
        return ::GetFileAttributesA(folder.File("data.dat").c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // The Run entry as it was before the test, put back afterwards.
    testing::SavedRegistryValue savedRunEntry{HKEY_CURRENT_USER, kRunKeyPath, kAutostartValueName};
};

TEST_F(MainWindowTrayTest, TheIconAndTheMenuAreSetUpWithTheWindow) {
    Start();
    const ui::PopupMenu& menu = Tray().TrayMenu();
    std::vector<std::string> captions;
    for (int i = 0; i < menu.ItemCount(); ++i)
        captions.push_back(menu.ItemCaption(i));
    EXPECT_EQ(captions,
              (std::vector<std::string>{"Show Birthdays", "Edit address list", "",
                                        "Start with Windows", "", "About", "", "&Close"}));

    TTrayIcon& icon = Tray().TrayIcon1();
    EXPECT_TRUE(icon.IconVisible());
    EXPECT_TRUE(icon.RefreshTray());  // the shell holds it
    EXPECT_NE(icon.Icon(), nullptr);
    EXPECT_EQ(icon.Hint(), "");
    EXPECT_EQ(icon.IconData().szTip[0], '\0');
    EXPECT_EQ(icon.PopupMenu(), &Tray().TrayMenu());
    EXPECT_TRUE(icon.MinimizeToTray());
    EXPECT_EQ(icon.CycleInterval(), 0u);
    EXPECT_FALSE(icon.CycleIcons());

    EXPECT_EQ(Tray().Timer1().Interval(), 86400000u);
    EXPECT_TRUE(Tray().Timer1().Enabled());
    EXPECT_FALSE(::IsWindowVisible(input->Handle()));
    EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowTrayTest, StartWithWindowsIsCheckedForThisProgramsEntryOnly) {
    const std::string path = ExecutablePath();
    struct Case {
        std::optional<std::string> entry;
        bool checked;
    };
    const std::vector<Case> cases{
        {std::nullopt, false},
        {"\"" + path + "\" /silent", true},
        {path + " /silent", true},  // as earlier versions wrote it
        {"C:\\Elsewhere\\natalo.exe /silent", false},
        {"\"" + path + "\" /Silent", false},
    };
    for (const Case& c : cases) {
        if (c.entry)
            PutRunEntry(*c.entry);
        Start();
        EXPECT_EQ(StartWithWindowsChecked(), c.checked) << c.entry.value_or("(none)");
        EXPECT_TRUE(DataFileExists());
        program.reset();
    }
    EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowTrayTest, ANumberAsTheEntryIsReportedAndTheDataFileIsNotOpened) {
    const DWORD number = 1;
    ASSERT_TRUE(testing::PutRegistryValue(HKEY_CURRENT_USER, kRunKeyPath, kAutostartValueName,
                                          REG_DWORD, &number, sizeof number));
    Start();
    EXPECT_EQ(errors_,
              std::vector<std::string>{"Ung\xFCltiger Datentyp f\xFCr 'ZozerodivodUrorudu'."});
    EXPECT_FALSE(DataFileExists());
    EXPECT_FALSE(StartWithWindowsChecked());
    EXPECT_TRUE(Tray().TrayIcon1().IconVisible());  // the tray works all the same
}

TEST_F(MainWindowTrayTest, TogglingWritesTheQuotedCommandAndRemovesItAgain) {
    Start();
    Choose(Tray().StartWithWindowsItem());
    EXPECT_TRUE(StartWithWindowsChecked());
    const std::string expected = "\"" + ExecutablePath() + "\" /silent";
    EXPECT_EQ(RunEntry(), expected);
    EXPECT_EQ(AutostartCommand(), expected);

    Choose(Tray().StartWithWindowsItem());
    EXPECT_FALSE(StartWithWindowsChecked());
    EXPECT_EQ(RunEntry(), std::nullopt);
    RegistryAccessor registry;
    EXPECT_TRUE(registry.OpenKey(kRunKeyPath, false));  // the key stays
    EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowTrayTest, TheDailyTimerHidesTheShownMainWindowAndShowsANewBirthdayWindow) {
    Start();
    TfrmDisp& first = program->BirthdayWindowsOfRun().ShowNew();
    input->Show();
    ASSERT_TRUE(::IsWindowVisible(input->Handle()));
    ASSERT_TRUE(timers->Tick(Tray().Timer1()));
    EXPECT_FALSE(::IsWindowVisible(input->Handle()));
    const std::vector<TfrmDisp*> visible = VisibleBirthdayWindows();
    ASSERT_EQ(visible.size(), 1u);
    EXPECT_NE(visible[0], &first);
    EXPECT_EQ(visible[0], program->frmDisp());
}

TEST_F(MainWindowTrayTest, TwoShowBirthdaysInARowLeaveOneVisibleBirthdayWindow) {
    Start();
    Choose(Tray().Geburtstagslistezeigen1());
    TfrmDisp* first = program->frmDisp();
    Choose(Tray().Geburtstagslistezeigen1());
    const std::vector<TfrmDisp*> visible = VisibleBirthdayWindows();
    ASSERT_EQ(visible.size(), 1u);
    EXPECT_EQ(visible[0], program->frmDisp());
    EXPECT_NE(visible[0], first);
}

TEST_F(MainWindowTrayTest, AClickOnTheIconShowsANewBirthdayWindowOnceTheDoubleClickTimeIsOver) {
    Start();
    ASSERT_TRUE(VisibleBirthdayWindows().empty());
    PostToIcon(WM_LBUTTONDOWN);
    PostToIcon(WM_LBUTTONUP);
    TSimpleTimer& clickTimer = Tray().TrayIcon1().ClickTimer();
    ASSERT_TRUE(PumpUntil([&] { return timers->IsRunning(clickTimer); }));
    EXPECT_TRUE(VisibleBirthdayWindows().empty());
    EXPECT_TRUE(timers->Tick(clickTimer));
    EXPECT_EQ(VisibleBirthdayWindows().size(), 1u);
}

TEST_F(MainWindowTrayTest, AClickDuringTheStartUpsErrorBoxShowsABirthdayWindow) {
    // Another program holds the data file and shares nothing: start-up reports it in a box.
    UniqueFile locked(
        ::CreateFileA(DataPath().c_str(), GENERIC_READ, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    bool shown = false;
    // In place of the box, its loop serves a click on the icon, the program still unmade.
    ui::App().SetExceptionSink([&](const std::string& text) {
        errors_.push_back(text);
        if (errors_.size() > 1)
            return;
        TTrayIcon& icon =
            MainWindowTray::Of(dynamic_cast<TInput&>(*ui::App().MainForm()))->TrayIcon1();
        for (const unsigned notification : {WM_LBUTTONDOWN, WM_LBUTTONUP})
            ::PostMessageA(icon.HandlerWindow(), TTrayIcon::kTrayCallbackMessage, icon.IconId(),
                           notification);
        TSimpleTimer& clickTimer = icon.ClickTimer();
        shown = PumpUntil([&] { return timers->IsRunning(clickTimer); }) &&
                timers->Tick(clickTimer) && VisibleBirthdayWindows().size() == 1;
    });
    Start();
    EXPECT_TRUE(shown);
    EXPECT_EQ(errors_.at(0), "E/A-Fehler 32.");
}

TEST_F(MainWindowTrayTest, ADoubleClickShowsTheMainWindowInNormalStateAndNoBirthdayWindow) {
    Start();
    TfrmDisp& shown = program->BirthdayWindowsOfRun().ShowNew();
    PostToIcon(WM_LBUTTONDOWN);
    PostToIcon(WM_LBUTTONUP);
    PostToIcon(WM_LBUTTONDBLCLK);
    PostToIcon(WM_LBUTTONUP);
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(input->Handle()) != FALSE; }));
    // Once the double-click time is over, still no click shows a birthday window.
    timers->Tick(Tray().TrayIcon1().ClickTimer());
    EXPECT_FALSE(Tray().TrayIcon1().ClickTimer().Enabled());
    EXPECT_EQ(input->GetWindowState(), ui::WindowState::Normal);
    EXPECT_EQ(VisibleBirthdayWindows(), std::vector<TfrmDisp*>{&shown});
}

TEST_F(MainWindowTrayTest, EditAddressListHidesTheBirthdayWindowAndRestoresTheMainWindow) {
    Start();
    program->BirthdayWindowsOfRun().ShowNew();
    input->Show();
    input->SetWindowState(ui::WindowState::Maximized);
    Choose(Tray().EditAddressListItem());
    EXPECT_TRUE(VisibleBirthdayWindows().empty());
    EXPECT_TRUE(::IsWindowVisible(input->Handle()));
    EXPECT_EQ(input->GetWindowState(), ui::WindowState::Normal);
}

TEST_F(MainWindowTrayTest, AboutHidesTheBirthdayWindowAndShowsTheAboutBox) {
    Start();
    program->BirthdayWindowsOfRun().ShowNew();
    Choose(Tray().AboutItem());
    EXPECT_TRUE(VisibleBirthdayWindows().empty());
    EXPECT_TRUE(::IsWindowVisible(program->About().Handle()));
}

TEST_F(MainWindowTrayTest, MinimisingTheMainWindowHidesItIntoTheTray) {
    Start();
    input->Show();
    ::SendMessageA(input->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(input->Handle()); }));
    EXPECT_TRUE(Tray().TrayIcon1().IconVisible());
    // The double click brings it back in its normal size.
    PostToIcon(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(input->Handle()) != FALSE; }));
    EXPECT_EQ(input->GetWindowState(), ui::WindowState::Normal);
}

// Once the close confirmation is up, notes what it shows and answers it.
void AnswerCloseDialog(const std::string& answer, ui::testing::DialogSeen& seen) {
    ui::testing::WhenDialogOpens("Close", [answer, &seen](HWND dialog) {
        if (!dialog)
            return;
        seen = ui::testing::ReadDialog(dialog);
        ui::testing::ClickButton(dialog, answer);
    });
}

TEST_F(MainWindowTrayTest, CloseAsksFirstAndNoChangesNothing) {
    Start();
    ASSERT_EQ(ui::App().MainForm(), input);
    ui::testing::DialogSeen seen;
    AnswerCloseDialog("No", seen);
    Choose(Tray().CloseItem());
    EXPECT_TRUE(PumpUntil([] { return ::FindWindowA("#32770", "Close") == nullptr; }));
    EXPECT_EQ(seen.text, "Do you really wan't to close the program?");
    EXPECT_EQ(seen.icon, "warning");
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"Yes", "No"}));
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((seen.rect.left + seen.rect.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((seen.rect.top + seen.rect.bottom) / 2, (work.top + work.bottom) / 2, 1);
    EXPECT_FALSE(ui::App().Terminated());
    EXPECT_TRUE(input->Exists());
    EXPECT_TRUE(Tray().TrayIcon1().IconVisible());
}

TEST_F(MainWindowTrayTest, CloseWithYesEndsTheApplication) {
    Start();
    ui::testing::DialogSeen seen;
    AnswerCloseDialog("Yes", seen);
    Choose(Tray().CloseItem());
    EXPECT_TRUE(PumpUntil([] { return ui::App().Terminated(); }));
}

TEST_F(MainWindowTrayTest, TheTrayGoesAwayWithItsWindow) {
    Start();
    const HWND handler = Tray().TrayIcon1().HandlerWindow();
    TTrayIcon& icon = Tray().TrayIcon1();
    NOTIFYICONDATAA data = icon.IconData();
    program.reset();
    EXPECT_FALSE(::IsWindow(handler));
    // The shell no longer holds the icon.
    EXPECT_FALSE(::Shell_NotifyIconA(NIM_MODIFY, &data));
}

}  // namespace
}  // namespace natalo
