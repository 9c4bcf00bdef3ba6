// Keyboard handling through the application's loop: the form's PreTranslateMessage, then
// the dialog manager (Tab order, Enter, Alt+letter).
#include "ui/button.h"
#include "ui/date_picker.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui_test_support.h"

namespace natalo::ui::testing {
namespace {

using KeyboardTest = UiTest;

struct EditorLikeForm {
    TestForm form;
    Label caption{form, {6, 63, 0, 0}, "First Name:"};
    Edit firstName{form, {5, 80, 201, 21}};
    Button save{form, {240, 300, 75, 25}, "&Save"};
    Edit lastName{form, {5, 120, 201, 21}};
    DatePicker birthday{form, {6, 166, 186, 21}};
};

TEST_F(KeyboardTest, TabFollowsTheCreationOrderOfTabStops) {
    EditorLikeForm editor;
    editor.form.Show();
    editor.firstName.SetFocus();
    ASSERT_TRUE(editor.firstName.Focused());
    PressKey(::GetFocus(), VK_TAB);
    EXPECT_TRUE(editor.save.Focused());
    PressKey(::GetFocus(), VK_TAB);
    EXPECT_TRUE(editor.lastName.Focused());
    PressKey(::GetFocus(), VK_TAB);
    EXPECT_TRUE(editor.birthday.Focused());
    PressKey(::GetFocus(), VK_TAB);
    EXPECT_TRUE(editor.firstName.Focused()) << "wraps around";
}

TEST_F(KeyboardTest, TabOrderCanDifferFromTheCreationOrder) {
    EditorLikeForm editor;
    editor.form.SetTabOrder({&editor.lastName, &editor.firstName, &editor.birthday});
    editor.form.Show();
    editor.lastName.SetFocus();
    PressKey(::GetFocus(), VK_TAB);
    EXPECT_TRUE(editor.firstName.Focused());
    PressKey(::GetFocus(), VK_TAB);
    EXPECT_TRUE(editor.birthday.Focused());
    PressKey(::GetFocus(), VK_TAB);
    EXPECT_TRUE(editor.save.Focused()) << "the rest keep their order after the listed ones";
}

TEST_F(KeyboardTest, FormSeesTheEnterKeyUpOnceFromEditDatePickerAndButton) {
    EditorLikeForm editor;
    std::vector<HWND> enterKeyUps;
    editor.form.preTranslate = [&](MSG& message) {
        if (message.message == WM_KEYUP && message.wParam == VK_RETURN) {
            enterKeyUps.push_back(message.hwnd);
        }
        return false;
    };
    int saves = 0;
    editor.save.OnClick([&] { ++saves; });
    editor.form.Show();
    for (Control* control :
         std::initializer_list<Control*>{&editor.lastName, &editor.birthday, &editor.save}) {
        control->SetFocus();
        PressKey(control->Handle(), VK_RETURN);
    }
    EXPECT_EQ(enterKeyUps, (std::vector<HWND>{editor.lastName.Handle(), editor.birthday.Handle(),
                                              editor.save.Handle()}));
    EXPECT_EQ(saves, 1) << "Enter on a focused button presses it once";
    EXPECT_EQ(editor.lastName.Text(), "") << "no line break typed into a one-line edit";
}

TEST_F(KeyboardTest, KeyClaimedByTheFormReachesNoControl) {
    EditorLikeForm editor;
    editor.form.preTranslate = [](MSG& message) {
        return message.message == WM_CHAR && message.wParam == 'x';
    };
    editor.form.Show();
    editor.firstName.SetFocus();
    for (char c : std::string("axb")) {
        ::PostMessageA(editor.firstName.Handle(), WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    Pump(10);
    EXPECT_EQ(editor.firstName.Text(), "ab");
}

TEST_F(KeyboardTest, AltLetterPressesTheButtonWithThatMnemonic) {
    EditorLikeForm editor;
    int saves = 0;
    editor.save.OnClick([&] { ++saves; });
    editor.form.Show();
    editor.firstName.SetFocus();
    PressAltKey(editor.firstName.Handle(), 's');
    EXPECT_EQ(saves, 1);
}

}  // namespace
}  // namespace natalo::ui::testing
