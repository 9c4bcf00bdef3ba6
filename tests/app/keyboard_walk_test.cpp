// Every window of the program used from the keyboard alone, keys going through the
// window's own message loop: Tab reaches every command in reading order (Shift+Tab goes
// back), Enter on each picture button and link does what a click does, and Escape closes
// the windows a user expects it to close.
#include <gtest/gtest.h>
#include <windows.h>

// After windows.h, which it needs.
#include <oleacc.h>

#include <string>
#include <vector>

#include "app/program_fixture.h"
#include "platform/com_ref.h"
#include "reminder/birthday_window.h"

namespace natalo::testing {
namespace {

using ui::testing::PressKey;

std::string ClassOf(HWND window) {
    char className[64] = {};
    ::GetClassNameA(window, className, sizeof className);
    return className;
}

// What the focus is on: its window text, or its class when it has none.
std::string FocusName() {
    HWND focus = ::GetFocus();
    const std::string text = ui::testing::WindowText(focus);
    return text.empty() ? "<" + ClassOf(focus) + ">" : text;
}

// Makes the form the active window with the focus on `focus`, and waits until it is.
bool FocusIn(ui::Form& form, HWND focus) {
    return ui::testing::PumpUntil([&] {
        if (::GetActiveWindow() != form.Handle() || ::GetFocus() != focus) {
            ::SetForegroundWindow(form.Handle());
            ::SetFocus(focus);
        }
        return ::GetActiveWindow() == form.Handle() && ::GetFocus() == focus;
    });
}

// Presses Tab (with Shift: backwards) on the focused control of the form. Under Wine the X
// server may hand the activation back to a window shown a moment earlier, some time
// later: then the form is made active again and Tab pressed again on the same control.
void PressTab(ui::Form& form, bool backwards) {
    const HWND focus = ::GetFocus();
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (backwards) {
            ui::testing::PressShiftKey(focus, VK_TAB);
        } else {
            PressKey(focus, VK_TAB);
        }
        if (::GetActiveWindow() == form.Handle())
            return;
        FocusIn(form, focus);
    }
}

// The names the focus visits from the form's first command on, Tab after Tab, until it
// comes back to the first one (or the count is exceeded).
std::vector<std::string> TabWalk(ui::Form& form, bool backwards = false) {
    std::vector<std::string> visited{FocusName()};
    const HWND first = ::GetFocus();
    for (int presses = 0; presses < 64; ++presses) {
        PressTab(form, backwards);
        if (::GetFocus() == first || !::IsChild(form.Handle(), ::GetFocus()))
            break;
        visited.push_back(FocusName());
    }
    return visited;
}

class KeyboardWalkTest : public ProgramTest {
  protected:
    // What a command did, as far as the user can tell: the address the shell or the
    // browser window was given, or the window that came up or went.
    std::string Outcome(TfrmDisp& window) const {
        if (!shell.opened.empty())
            return "shell " + shell.opened.back();
        TForm3& browser = program->Form3();
        if (!browser.LastNavigatedUrl().empty())
            return "browser " + browser.LastNavigatedUrl();
        if (program->Form4().Visible())
            return "print window";
        if (input->Visible())
            return "main window";
        if (!window.Visible())
            return "closed";
        return "width " + std::to_string(window.GetBounds().width);
    }
};

constexpr COLORREF kGrey = RGB(233, 233, 233);  // the birthday window's background
const std::string kGiftPage = "browser http://greetings.natalo.example/zozerodivodurorudu/showall.";

TEST_F(KeyboardWalkTest, TheBirthdayWindowsCommandsInReadingOrderEachRunByEnter) {
    Start(FourPeopleAroundChristmas());
    struct Command {
        std::string name;
        std::string outcome;
    };
    const std::vector<Command> commands{
        {"Search a present", kGiftPage},  // Tom
        {"email", "shell mailto:tom@example.com"},
        {"automate", kGiftPage},
        {"Search a present", kGiftPage},  // Anna
        {"email", "shell mailto:anna@example.com"},
        {"automate", kGiftPage},
        {"Search a present", kGiftPage},  // Bert: neither e-mail address nor mobile
        {"Search a present", kGiftPage},  // Clara: a mobile number
        {"Automat", kGiftPage},
        {"enlarge window", "width 455"},
        {"print birthdays", "print window"},
        {"edit birthdays", "main window"},
        {"close window", "closed"},
        {"\xA9 2003-2026 Zarnik Computers", "shell http://www.natalo.example/"}};
    TfrmDisp& window = program->BirthdayWindowsOfRun().ShowNew();
    EXPECT_EQ(FocusName(), "Search a present") << "shown with its first command focused";
    // A focus cue, once the keyboard is used: a dotted frame over the window's grey.
    const auto framed = [] { return ui::testing::ClientPixel(::GetFocus(), 0, 0) != kGrey; };
    EXPECT_FALSE(framed()) << "no cue for a mouse user";
    std::vector<std::string> names;
    for (const Command& command : commands)
        names.push_back(command.name);
    EXPECT_EQ(TabWalk(window), names);
    EXPECT_TRUE(framed());
    std::vector<std::string> back{names.front()};
    back.insert(back.end(), names.rbegin(), names.rend() - 1);
    EXPECT_EQ(TabWalk(window, /*backwards=*/true), back);

    // Enter on each command, in a window of its own: the command runs as a click does.
    for (std::size_t i = 0; i < commands.size(); ++i) {
        shell.opened.clear();
        program->Form3().Navigate("");  // forget the last address
        program->Form3().Hide();
        program->Form4().Hide();
        input->Hide();
        TfrmDisp& fresh = program->BirthdayWindowsOfRun().ShowNew();
        ASSERT_TRUE(FocusIn(fresh, ::GetNextDlgTabItem(fresh.Handle(), nullptr, FALSE)));
        for (std::size_t tab = 0; tab < i; ++tab)
            PressTab(fresh, false);
        ASSERT_EQ(FocusName(), commands[i].name);
        PressKey(::GetFocus(), VK_RETURN);
        EXPECT_EQ(Outcome(fresh).substr(0, commands[i].outcome.size()), commands[i].outcome)
            << commands[i].name;
    }
    // Escape closes it as the close picture does.
    TfrmDisp& last = program->BirthdayWindowsOfRun().ShowNew();
    ASSERT_TRUE(FocusIn(last, ::GetNextDlgTabItem(last.Handle(), nullptr, FALSE)));
    PressKey(::GetFocus(), VK_ESCAPE);
    EXPECT_FALSE(last.Visible());
}

// The other windows: their commands in reading order, and whether Escape closes them.
TEST_F(KeyboardWalkTest, EveryOtherWindowsCommandsInReadingOrder) {
    Start(FourPeopleAroundChristmas());
    struct Walk {
        ui::Form* form;
        std::vector<std::string> commands;
        bool escapeCloses;
    };
    const std::vector<Walk> walks{
        {input,
         {"<SysListView32>", "&Add", "&Show Birthdays", "&Tell friends about Natalo", "About",
          "&Close Window"},
         false},
        {&program->frmImport(), {"<Edit>", "Open file ...", "Import", "Cancel"}, true},
        {&program->Form1(), {"Tell a friend about Natalo", "close window"}, true},
        {&program->Form3(), {"Back", "Forward", "Cancel", "Cancel", "Close Browser"}, true},
        {&program->Form4(),
         {"<NataloPagePreview>", "<NataloThumbnailStrip>", "Print", "Cancel"},
         true},
        {&program->About(), {"www.natalo.example", "greetings.natalo.example"}, true}};
    for (const Walk& walk : walks) {
        // Alone on the screen: a window shown before must not take the activation back.
        for (const Walk& other : walks)
            other.form->Hide();
        walk.form->Show();
        EXPECT_TRUE(::IsChild(walk.form->Handle(), ::GetFocus())) << walk.commands.front();
        ASSERT_TRUE(FocusIn(*walk.form, ::GetNextDlgTabItem(walk.form->Handle(), nullptr, FALSE)));
        EXPECT_EQ(TabWalk(*walk.form), walk.commands);
        PressKey(::GetFocus(), VK_ESCAPE);
        EXPECT_EQ(walk.form->Visible(), !walk.escapeCloses) << walk.commands.front();
    }
}

TEST_F(KeyboardWalkTest, ClosingAModalWindowGivesTheFocusBackToItsOpener) {
    Start();
    input->Show();
    ASSERT_TRUE(FocusIn(*input, input->cmdAdd().Handle()));
    ui::testing::RunLater([this] { program->frmerf().BitBtn1().Click(); });
    PressKey(::GetFocus(), VK_RETURN);  // the editor, modally, until "Cancel"
    EXPECT_FALSE(program->frmerf().Visible());
    EXPECT_TRUE(ui::testing::PumpUntil([this] { return input->cmdAdd().Focused(); }));
}

// Enter on a link or a picture button of the other windows does what a click does.
TEST_F(KeyboardWalkTest, EnterRunsTheLinksAndPictureButtonsOfTheOtherWindows) {
    Start();
    struct Press {
        ui::Form* form;
        int tabs;
        std::string opened;
    };
    for (const Press& press :
         {Press{&program->Form1(), 0, "http://www.natalo.example/tellafriend/"},
          Press{&program->About(), 0, "http://www.natalo.example/"},
          Press{&program->About(), 1, "http://greetings.natalo.example/"}}) {
        shell.opened.clear();
        press.form->Show();
        ASSERT_TRUE(
            FocusIn(*press.form, ::GetNextDlgTabItem(press.form->Handle(), nullptr, FALSE)));
        for (int tab = 0; tab < press.tabs; ++tab)
            PressTab(*press.form, false);
        PressKey(::GetFocus(), VK_RETURN);
        EXPECT_EQ(shell.opened, std::vector<std::string>{press.opened});
        press.form->Hide();
    }
    // The browser's pictures run its commands: without an earlier page, Back says so.
    TForm3& browser = program->Form3();
    if (browser.WebBrowser1().Available()) {
        browser.Show();
        browser.Back().SetFocus();
        PressKey(::GetFocus(), VK_RETURN);
        EXPECT_EQ(errors_.size(), 1u);
    }
}

// What a screen reader reads of a window's part: its name and role, through the system's
// accessibility interface as another program would.
struct Read {
    std::string name;
    long role = 0;
    std::string shortcut;
};

Read ReadAccessible(HWND window, LONG object, long child = CHILDID_SELF) {
    natalo::ComRef<IAccessible> accessible;
    Read read;
    if (FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(object),
                                            __uuidof(IAccessible), accessible.outVoid()))) {
        return read;
    }
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = child;
    VARIANT role{};
    const auto text = [](BSTR value) {
        char buffer[256] = {};
        if (value) {
            ::WideCharToMultiByte(CP_ACP, 0, value, -1, buffer, sizeof buffer, nullptr, nullptr);
            ::SysFreeString(value);
        }
        return std::string(buffer);
    };
    BSTR name = nullptr, shortcut = nullptr;
    accessible->get_accName(id, &name);
    accessible->get_accKeyboardShortcut(id, &shortcut);
    if (SUCCEEDED(accessible->get_accRole(id, &role)) && role.vt == VT_I4)
        read.role = role.lVal;
    read.name = text(name);
    read.shortcut = text(shortcut);
    return read;
}

// Picture buttons are read by their hints and links by their captions: each is a real
// push button (an owner-drawn BUTTON, which Windows' own button object reports as a push
// button; Wine's reports every window as a client area). The title band and the menu
// strip, drawn by the framework, are read through objects of the form.
TEST_F(KeyboardWalkTest, CommandsBandAndMenuStripAreNamedForScreenReaders) {
    Start(FourPeopleAroundChristmas());
    natalo::ComApartment com;
    TfrmDisp& window = program->BirthdayWindowsOfRun().ShowNew();
    for (const auto& [control, name] : std::vector<std::pair<ui::Control*, std::string>>{
             {&window.Image4(), "print birthdays"},
             {&window.Image2(), "edit birthdays"},
             {&window.Image3(), "close window"},
             {&window.Image5(), "enlarge window"},
             {&window.Image6(), "make window smaller"},
             {window.RunTimeLabels().LinkRows()[0].gift, "Search a present"},
             {&window.URLLabel1(), "\xA9 2003-2026 Zarnik Computers"}}) {
        EXPECT_EQ(ReadAccessible(control->Handle(), OBJID_CLIENT).name, name);
        EXPECT_EQ(ClassOf(control->Handle()), "Button");
        EXPECT_EQ(::GetWindowLongA(control->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    }
    const Read band = ReadAccessible(window.Handle(), OBJID_TITLEBAR);
    EXPECT_EQ(band.name, "   Natalo - The Birthday Manager - 20.12.2026");
    EXPECT_EQ(band.role, ROLE_SYSTEM_TITLEBAR);

    const Read data = ReadAccessible(input->Handle(), OBJID_MENU, 1);
    EXPECT_EQ(data.name, "Data");
    EXPECT_EQ(data.shortcut, "Alt+D");
    EXPECT_EQ(data.role, ROLE_SYSTEM_MENUITEM);
}

// Alt+Space opens the window menu, which holds "Close" as the title-bar button does.
TEST_F(KeyboardWalkTest, TheTitleBarButtonsAreReachedThroughTheWindowMenu) {
    Start();
    TForm3& browser = program->Form3();
    browser.Show();
    ASSERT_TRUE(FocusIn(browser, browser.Back().Handle()));
    bool closeOffered = false;
    ui::testing::WhenMenuOpens([&] {
        const UINT close =
            ::GetMenuState(::GetSystemMenu(browser.Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND);
        closeOffered = close != static_cast<UINT>(-1) && !(close & (MF_GRAYED | MF_DISABLED));
        ::EndMenu();
    });
    ui::testing::PressAltKey(browser.Handle(), ' ');
    EXPECT_TRUE(closeOffered);
    // Its "Close" is the window's own close.
    ::SendMessageA(browser.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(browser.Visible());
}

}  // namespace
}  // namespace natalo::testing
