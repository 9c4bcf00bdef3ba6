// Standard controls: list view, date picker, radio buttons, edits, buttons, group box.
#include <windows.h>

#include <commctrl.h>

#include "ui/button.h"
#include "ui/date_picker.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/radio_button.h"
#include "ui_test_support.h"

namespace natalo::ui::testing {
namespace {

using ControlsTest = UiTest;

struct AddressListFixture {
    TestForm form;
    ListView list{form, {0, 0, 658, 274}, true};
    std::vector<std::vector<std::string>> rows{
        {"1", "Adler", "Anna"}, {"2", "bauer", "Bernd"}, {"3", "\xC4hm", "J\xFCrgen"}};
    AddressListFixture() {
        list.AddColumn("", 0);
        list.AddColumn("Last Name", 100);
        list.AddColumn("First Name", 100);
        list.SetTextCallback([this](int row, int column) { return rows.at(row).at(column); });
        list.SetItemCount(static_cast<int>(rows.size()));
    }
    // The centre of a row's cell in list-view client coordinates.
    POINT RowPoint(int row) {
        RECT rect{};
        rect.left = LVIR_BOUNDS;
        ::SendMessageA(list.Handle(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        return {130, (rect.top + rect.bottom) / 2};
    }
};

std::string RawItemText(HWND list, int row, int column) {
    char buffer[256] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

TEST_F(ControlsTest, ListViewShowsOwnerDataRowsInItsColumns) {
    AddressListFixture fixture;
    HWND list = fixture.list.Handle();
    LONG style = ::GetWindowLongA(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_OWNERDATA);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_FALSE(style & LVS_EDITLABELS);
    DWORD extended = static_cast<DWORD>(::SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(extended & LVS_EX_TRACKSELECT);

    EXPECT_EQ(fixture.list.ColumnCount(), 3);
    EXPECT_EQ(fixture.list.ColumnWidth(0), 0);
    EXPECT_EQ(fixture.list.ColumnWidth(1), 100);
    EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(RawItemText(list, 0, 0), "1");
    EXPECT_EQ(RawItemText(list, 2, 1), "\xC4hm");
    EXPECT_EQ(RawItemText(list, 2, 2), "J\xFCrgen");

    fixture.rows.push_back({"4", "Zander", "Zoe"});
    fixture.list.SetItemCount(4);
    EXPECT_EQ(fixture.list.ItemText(3, 1), "Zander");
}

TEST_F(ControlsTest, ListViewReportsColumnClicksFromItsHeader) {
    AddressListFixture fixture;
    std::vector<int> clicked;
    fixture.list.OnColumnClick([&](int column) { clicked.push_back(column); });
    auto header =
        reinterpret_cast<HWND>(::SendMessageA(fixture.list.Handle(), LVM_GETHEADER, 0, 0));
    RECT rect{};
    ::SendMessageA(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect));
    LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(header, WM_LBUTTONUP, 0, point);
    EXPECT_EQ(clicked, std::vector<int>{2});
}

TEST_F(ControlsTest, ListViewSelectionClicksAndContextMenu) {
    AddressListFixture fixture;
    ListView& list = fixture.list;
    EXPECT_EQ(list.SelectedIndex(), -1);
    list.SetSelectedIndex(2);
    EXPECT_EQ(list.SelectedIndex(), 2);
    list.SetSelectedIndex(-1);
    EXPECT_EQ(list.SelectedIndex(), -1);

    fixture.form.Show();
    std::vector<int> clicks, doubleClicks;
    list.OnClick([&](int row) { clicks.push_back(row); });
    list.OnDoubleClick([&](int row) { doubleClicks.push_back(row); });
    POINT row1 = fixture.RowPoint(1);
    ::SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row1.x, row1.y));
    ::SendMessageA(list.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(row1.x, row1.y));
    Pump();
    EXPECT_EQ(list.SelectedIndex(), 1);
    EXPECT_EQ(clicks, std::vector<int>{1});
    ::SendMessageA(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row1.x, row1.y));
    ::SendMessageA(list.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(row1.x, row1.y));
    Pump();
    EXPECT_EQ(doubleClicks, std::vector<int>{1});

    int menuRow = -2;
    list.OnContextMenu([&](int row, POINT) { menuRow = row; });
    POINT row2 = fixture.RowPoint(2);
    ::ClientToScreen(list.Handle(), &row2);
    ::SendMessageA(list.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.Handle()),
                   MAKELPARAM(row2.x, row2.y));
    EXPECT_EQ(menuRow, 2);
    ::SendMessageA(list.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.Handle()), -1);
    EXPECT_EQ(menuRow, 1) << "the keyboard's context menu is for the selected row";
}

TEST_F(ControlsTest, DatePickerRoundTripsADate) {
    TestForm form;
    DatePicker picker(form, {6, 166, 186, 21});
    picker.SetDate({1970, 3, 15});
    EXPECT_EQ(picker.Date(), (CivilDate{1970, 3, 15}));
    EXPECT_EQ(picker.DisplayedText(), "3/15/1970") << "the user's short date format (M/d/yyyy)";
    picker.SetDate({2000, 2, 29});
    EXPECT_EQ(picker.Date(), (CivilDate{2000, 2, 29}));
    picker.SetDate({2001, 2, 29});  // no such day: ignored
    EXPECT_EQ(picker.Date(), (CivilDate{2000, 2, 29}));
}

TEST_F(ControlsTest, RadioButtonsUncheckTheOthersOfTheirGroupOnly) {
    TestForm form;
    RadioButton mrs(form, {8, 40, 0, 0}, "Mrs.", true);
    RadioButton mr(form, {64, 40, 0, 0}, "Mr.");
    RadioButton yes(form, {8, 80, 0, 0}, "Yes", true);
    RadioButton no(form, {64, 80, 0, 0}, "No");
    EXPECT_GT(mrs.GetBounds().width, 20) << "sized to the caption";
    int clicks = 0;
    mr.OnClick([&] { ++clicks; });
    yes.SetChecked(true);
    mrs.SetChecked(true);
    EXPECT_TRUE(mrs.Checked());
    ::SendMessageA(mr.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(mr.Checked());
    EXPECT_FALSE(mrs.Checked());
    EXPECT_TRUE(yes.Checked()) << "another group is not touched";
    mrs.SetChecked(true);
    EXPECT_FALSE(mr.Checked());
    EXPECT_TRUE(yes.Checked());
}

TEST_F(ControlsTest, RadioButtonsInsideAGroupBoxGetTheirClicks) {
    TestForm form;
    GroupBox box(form, {16, 104, 449, 105}, " Hints  ");
    RadioButton first(box, {10, 20, 0, 0}, "First", true);
    RadioButton second(box, {10, 44, 0, 0}, "Second");
    bool clicked = false;
    second.OnClick([&] { clicked = true; });
    ::SendMessageA(second.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(box.Text(), " Hints  ");
    EXPECT_EQ(second.ParentForm(), &form);
}

TEST_F(ControlsTest, GroupBoxAndTransparentLabelsInsideShowTheFormBackground) {
    FormOptions options = TestForm::DefaultOptions();
    options.background = RGB(233, 233, 233);
    TestForm form(options);
    GroupBox box(form, {16, 20, 280, 120}, " Hints  ");
    Label hint(box, {12, 24, 200, 40}, "", false);
    form.Show();
    EXPECT_EQ(ClientPixel(hint.Handle(), 100, 30), RGB(233, 233, 233));
    EXPECT_TRUE(ScreenShows(box.Handle(), nullptr, [](const Screenshot& shot) {
        return shot.HasColourAt(shot.FromClient(250, 100), RGB(233, 233, 233));
    })) << "inside the box on screen";
}

TEST_F(ControlsTest, EditHasNoLengthLimitAndReportsChanges) {
    TestForm form;
    Edit edit(form, {5, 80, 201, 21});
    int changes = 0;
    edit.OnChange([&] { ++changes; });
    EXPECT_TRUE(::GetWindowLongA(edit.Handle(), GWL_STYLE) & ES_AUTOHSCROLL);
    EXPECT_GE(static_cast<size_t>(::SendMessageA(edit.Handle(), EM_GETLIMITTEXT, 0, 0)),
              size_t{0x7FFFFFFE});
    std::string longText(100000, 'x');
    edit.SetText(longText);
    EXPECT_EQ(edit.Text().size(), longText.size());
    EXPECT_GE(changes, 1);
    edit.SetMaxLength(30);
    EXPECT_EQ(::SendMessageA(edit.Handle(), EM_GETLIMITTEXT, 0, 0), 30);
}

TEST_F(ControlsTest, MemoHoldsLinesWithScrollBars) {
    TestForm form;
    Memo memo(form, {10, 10, 300, 100}, "", Memo::ScrollBars::Both, false);
    LONG style = ::GetWindowLongA(memo.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & ES_AUTOHSCROLL) << "no word wrap";
    memo.SetLines({"M\xFCller;Hans", "", "Adler;Anna"});
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"M\xFCller;Hans", "", "Adler;Anna"}));
    memo.AppendLine("Zander;Zoe");
    EXPECT_EQ(memo.Lines().back(), "Zander;Zoe");
    EXPECT_EQ(memo.Text(), "M\xFCller;Hans\r\n\r\nAdler;Anna\r\nZander;Zoe\r\n");
}

TEST_F(ControlsTest, ButtonClicksAndCanBeDisabled) {
    TestForm form;
    Button add(form, {496, 8, 150, 65}, "&Add");
    int clicks = 0;
    add.OnClick([&] { ++clicks; });
    add.Click();
    EXPECT_EQ(clicks, 1);
    add.SetEnabled(false);
    EXPECT_FALSE(::IsWindowEnabled(add.Handle()));
    add.SetEnabled(true);
    EXPECT_EQ(add.Text(), "&Add");
}

TEST_F(ControlsTest, DestroyingAControlObjectDestroysItsWindow) {
    TestForm form;
    auto label = std::make_unique<Edit>(form, Bounds{1, 1, 50, 20});
    HWND handle = label->Handle();
    label.reset();
    EXPECT_FALSE(::IsWindow(handle));
    Edit survivor(form, {1, 1, 50, 20});
    ::DestroyWindow(form.Handle());
    EXPECT_FALSE(survivor.Exists()) << "the window went with its form";
}

}  // namespace
}  // namespace natalo::ui::testing
