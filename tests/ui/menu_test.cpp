// Menu bar on the themed frame and popup menus: commands, mouse and Alt+letter.
#include "ui/menu.h"
#include "ui/edit.h"
#include "ui_test_support.h"

namespace natalo::ui::testing {
namespace {

using MenuTest = UiTest;

struct MainWindowMenu {
    TestForm form;
    MenuBar bar{form};
    PopupMenu& data = bar.AddMenu("&Data");
    PopupMenu& help = bar.AddMenu("&Help");
    std::vector<std::string> chosen;
    int importId = data.AddItem("&Import", [this] { chosen.push_back("import"); });
    int exportId = data.AddItem("&Export", [this] { chosen.push_back("export"); });
    int aboutId = help.AddItem("&About", [this] { chosen.push_back("about"); });
    Edit edit{form, {10, 10, 100, 21}};
};

TEST_F(MenuTest, MenuStripKeepsTheClientSizeAndHoldsARealMenu) {
    MainWindowMenu window;
    EXPECT_EQ(window.form.ClientRect().right, 320);
    EXPECT_EQ(window.form.ClientRect().bottom, 200);
    HMENU bar = window.bar.Handle();
    ASSERT_EQ(::GetMenuItemCount(bar), 2);
    char caption[32] = {};
    ::GetMenuStringA(bar, 0, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, "&Data");
    EXPECT_EQ(::GetSubMenu(bar, 0), window.data.Handle());
    EXPECT_EQ(window.data.ItemCaption(1), "&Export");
    RECT item = window.form.Frame().MenuItemRect(window.form.Handle(), 1);
    RECT frame = WindowRect(window.form.Handle());
    EXPECT_EQ(::SendMessageA(window.form.Handle(), WM_NCHITTEST, 0,
                             MAKELPARAM(frame.left + item.left + 3, frame.top + item.top + 3)),
              HTMENU);
}

TEST_F(MenuTest, CommandsArriveThroughTheFormsWmCommand) {
    MainWindowMenu window;
    ::PostMessageA(window.form.Handle(), WM_COMMAND, static_cast<WPARAM>(window.exportId), 0);
    Pump(10);
    EXPECT_EQ(window.chosen, std::vector<std::string>{"export"});
}

TEST_F(MenuTest, ClickingAStripItemOpensItsMenu) {
    MainWindowMenu window;
    window.form.Show();
    RECT item = window.form.Frame().MenuItemRect(window.form.Handle(), 1);
    RECT frame = WindowRect(window.form.Handle());
    TypeIntoOpenMenu(window.form.Handle(), {VK_DOWN, VK_RETURN});
    ::SendMessageA(window.form.Handle(), WM_NCLBUTTONDOWN, HTMENU,
                   MAKELPARAM(frame.left + item.left + 3, frame.top + item.top + 3));
    Pump(10);
    EXPECT_EQ(window.chosen, std::vector<std::string>{"about"});
}

TEST_F(MenuTest, AltLetterOpensTheMenuWithThatMnemonic) {
    MainWindowMenu window;
    window.form.Show();
    window.edit.SetFocus();
    TypeIntoOpenMenu(window.form.Handle(), {VK_DOWN, VK_RETURN});
    PressAltKey(window.edit.Handle(), 'd');
    Pump(10);
    EXPECT_EQ(window.chosen, std::vector<std::string>{"export"})
        << "opened with the first item selected; one step down is Export";
}

TEST_F(MenuTest, RightArrowMovesToTheNextMenu) {
    MainWindowMenu window;
    window.form.Show();
    window.edit.SetFocus();
    HWND owner = window.form.Handle();
    RunLater([owner] {
        ::PostMessageA(owner, WM_KEYDOWN, VK_RIGHT, 1);
        RunLater([owner] { ::PostMessageA(owner, WM_KEYDOWN, VK_RETURN, 1); });
    });
    PressAltKey(window.edit.Handle(), 'd');
    Pump(10);
    EXPECT_EQ(window.chosen, std::vector<std::string>{"about"});
}

TEST_F(MenuTest, PopupMenuRunsTheChosenItemAndKeepsChecksAndDefault) {
    TestForm form;
    PopupMenu menu;
    std::vector<std::string> chosen;
    int change = menu.AddItem("Change address", [&] { chosen.push_back("change"); });
    menu.AddSeparator();
    int remove = menu.AddItem("Delete address", [&] { chosen.push_back("delete"); });
    menu.SetDefaultItem(change);
    menu.SetChecked(remove, true);
    EXPECT_TRUE(menu.Checked(remove));
    EXPECT_FALSE(menu.Checked(change));
    EXPECT_EQ(::GetMenuDefaultItem(menu.Handle(), FALSE, 0), static_cast<UINT>(change));
    EXPECT_EQ(menu.ItemCount(), 3);

    form.Show();
    TypeIntoOpenMenu(form.Handle(), {VK_DOWN, VK_DOWN, VK_RETURN});
    RECT window = WindowRect(form.Handle());
    menu.Popup(form.Handle(), {window.left + 40, window.top + 60});
    Pump(10);
    EXPECT_EQ(chosen, std::vector<std::string>{"delete"}) << "the separator is skipped";
}

TEST_F(MenuTest, CommandIdsAreReleasedWithTheirMenu) {
    int id = 0;
    {
        PopupMenu menu;
        id = menu.AddItem("Once", [] {});
        EXPECT_TRUE(DispatchMenuCommand(static_cast<UINT>(id)));
    }
    EXPECT_FALSE(DispatchMenuCommand(static_cast<UINT>(id)));
}

}  // namespace
}  // namespace natalo::ui::testing
