// Labels, link labels, picture buttons and their tooltips.
#include <windows.h>

#include <commctrl.h>

#include "ui/label.h"
#include "ui/link_label.h"
#include "ui/picture_button.h"
#include "ui_test_support.h"

namespace natalo::ui::testing {
namespace {

using LabelTest = UiTest;

TEST_F(LabelTest, AutoSizesToItsTextAndFollowsTextChanges) {
    TestForm form;
    Label label(form, {16, 20, 0, 0}, "First Name: ");
    label.SetFont(FontSpec::Points("MS Sans Serif", 8).Bold());
    SIZE expected = MeasureText(CachedFont(FontSpec::Points("MS Sans Serif", 8).Bold(), kLayoutDpi),
                                "First Name: ", DT_SINGLELINE);
    Bounds bounds = label.GetBounds();
    EXPECT_EQ(bounds.left, 16);
    EXPECT_EQ(bounds.top, 20);
    EXPECT_EQ(bounds.width, expected.cx);
    EXPECT_EQ(bounds.height, expected.cy);
    label.SetText("First Name: Annemarie");
    EXPECT_GT(label.GetBounds().width, expected.cx);
    label.SetText("");
    EXPECT_GT(label.GetBounds().width, 0) << "an empty label keeps a blank's size";
}

TEST_F(LabelTest, FixedWidthCutsTheTextOff) {
    TestForm form;
    Label label(form, {10, 347, 140, 14}, "", false);
    label.SetText("Mo, 15.03. Anna Muster with a name far too long for its row");
    EXPECT_EQ(label.GetBounds().width, 140);
    EXPECT_EQ(label.GetBounds().height, 14);
}

TEST_F(LabelTest, TransparentLabelShowsTheFormBackgroundAndOpaqueItsOwn) {
    FormOptions options = TestForm::DefaultOptions();
    options.background = RGB(233, 233, 233);
    TestForm form(options);
    Label transparent(form, {10, 10, 0, 0}, "Recent Birthdays:");
    Label opaque(form, {10, 40, 0, 0}, "Mo, 15.03.");
    opaque.SetBackground(RGB(255, 255, 200));
    opaque.SetTextColour(RGB(128, 128, 128));
    EXPECT_TRUE(transparent.Transparent());
    EXPECT_EQ(ClientPixel(transparent.Handle(), 0, 0), RGB(233, 233, 233));
    EXPECT_EQ(ClientPixel(opaque.Handle(), 0, 0), RGB(255, 255, 200));
    EXPECT_TRUE(ClientHasColour(opaque.Handle(), RGB(128, 128, 128)));
}

TEST_F(LabelTest, LinkLabelClicksAndChangesColourUnderTheMouse) {
    TestForm form;
    LinkLabel link(form, {4, 100, 0, 0}, "Tell a friend about Natalo");
    link.SetHoverColour(RGB(255, 0, 0));
    int clicks = 0;
    link.OnClick([&] { ++clicks; });
    EXPECT_TRUE(link.FontDescription().underline);
    EXPECT_TRUE(ClientHasColour(link.Handle(), RGB(0, 0, 255)));

    ::SendMessageA(link.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(link.Hovered());
    EXPECT_TRUE(ClientHasColour(link.Handle(), RGB(255, 0, 0)));
    EXPECT_FALSE(ClientHasColour(link.Handle(), RGB(0, 0, 255)));
    ::SendMessageA(link.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(link.CurrentTextColour(), RGB(0, 0, 255));

    ::SendMessageA(link.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageA(link.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(clicks, 1);
    ::SendMessageA(link.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageA(link.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-50, 2));
    EXPECT_EQ(clicks, 1) << "releasing outside the link is no click";

    link.SetEnabled(false);
    EXPECT_EQ(link.CurrentTextColour(), ::GetSysColor(COLOR_GRAYTEXT));
}

TEST_F(LabelTest, LinkLabelShowsTheHandCursor) {
    TestForm form;
    LinkLabel link(form, {4, 100, 0, 0}, "Natalo");
    ::SendMessageA(link.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link.Handle()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_HAND));
}

TEST_F(LabelTest, HintsAreToolsOfTheFormsOneTooltip) {
    TestForm form;
    PictureButton print(form, {252, 509, 33, 33});
    LinkLabel gift(form, {10, 10, 0, 0}, "Gift");
    print.SetHint("print birthdays");
    gift.SetHint("Anna Muster\r\n15.03.1970");
    HWND tooltip = form.Tooltips().Handle();
    LONG style = ::GetWindowLongA(tooltip, GWL_STYLE);
    EXPECT_TRUE(style & TTS_ALWAYSTIP);
    EXPECT_TRUE(style & TTS_NOPREFIX);
    EXPECT_GT(::SendMessageA(tooltip, TTM_GETMAXTIPWIDTH, 0, 0), 0) << "needed for line breaks";
    EXPECT_EQ(form.Tooltips().TipText(print.Handle()), "print birthdays");
    EXPECT_EQ(form.Tooltips().TipText(gift.Handle()), "Anna Muster\r\n15.03.1970");
    EXPECT_EQ(::SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 2);
    print.SetHint("edit birthdays");
    EXPECT_EQ(form.Tooltips().TipText(print.Handle()), "edit birthdays");
    print.SetHint("");
    EXPECT_FALSE(form.Tooltips().HasTip(print.Handle()));
}

TEST_F(LabelTest, PictureButtonClicksWithTheMouseAndWithTheKeyboard) {
    TestForm form;
    PictureButton button(form, {10, 10, 33, 33});
    button.SetIcon(nullptr, IDI_APPLICATION, 32);
    int clicks = 0;
    button.OnClick([&] { ++clicks; });
    ::SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, 1);
    form.Show();
    button.SetFocus();
    PressKey(button.Handle(), VK_RETURN);
    EXPECT_EQ(clicks, 2);
    PressKey(button.Handle(), VK_SPACE);
    EXPECT_EQ(clicks, 3);
}

}  // namespace
}  // namespace natalo::ui::testing
