// Message dialogs: real dialog windows with the given caption, text, icon and buttons.
#include "ui/message_dialog.h"
#include "ui_test_support.h"

namespace natalo::ui::testing {
namespace {

using MessageDialogTest = UiTest;

struct SeenDialog : DialogSeen {
    bool formDisabled = false;
};

// Once the dialog is up: reads it, then acts on it.
void InspectDialogLater(const std::string& caption, SeenDialog& seen,
                        std::function<void(HWND dialog)> act, HWND form = nullptr) {
    WhenDialogOpens(caption, [=, &seen](HWND dialog) {
        if (!dialog)
            return;
        static_cast<DialogSeen&>(seen) = ReadDialog(dialog);
        seen.formDisabled = form && !::IsWindowEnabled(form);
        act(dialog);
    });
}

TEST_F(MessageDialogTest, ReturnsTheResultOfTheClickedButton) {
    TestForm form;
    form.Show();
    SeenDialog seen;
    InspectDialogLater(
        "Close", seen,
        [](HWND dialog) { ::SendMessageA(FindChild(dialog, "Button", "No"), BM_CLICK, 0, 0); },
        form.Handle());
    MessageDialog dialog("Close", "Do you really wan't to close the program?", MessageIcon::Warning,
                         {{"Yes", 1}, {"No", 2}});
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_EQ(seen.caption, "Close");
    EXPECT_EQ(seen.text, "Do you really wan't to close the program?");
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(seen.icon, "warning");
    EXPECT_TRUE(seen.formDisabled);
    EXPECT_TRUE(::IsWindowEnabled(form.Handle()));
}

TEST_F(MessageDialogTest, IsCentredAndEnterChoosesTheDefaultButton) {
    SeenDialog seen;
    InspectDialogLater("Close", seen, [](HWND dialog) {
        HWND focus = ::GetFocus();
        ::PostMessageA(focus ? focus : dialog, WM_KEYDOWN, VK_RETURN, 1);
    });
    MessageDialog dialog("Close", "Sure?", MessageIcon::Question, {{"Yes", 1}, {"No", 2}});
    EXPECT_EQ(dialog.ShowModal(), 1);
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((seen.rect.left + seen.rect.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((seen.rect.top + seen.rect.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

TEST_F(MessageDialogTest, ClosingWithTheTitleBarReturnsDismissed) {
    SeenDialog seen;
    InspectDialogLater("Close", seen, [](HWND dialog) { ::PostMessageA(dialog, WM_CLOSE, 0, 0); });
    MessageDialog dialog("Close", "Sure?", MessageIcon::Warning, {{"Yes", 1}, {"No", 2}});
    EXPECT_EQ(dialog.ShowModal(), kDialogDismissed);
}

TEST_F(MessageDialogTest, ShowMessageHasOneOkButton) {
    SeenDialog seen;
    InspectDialogLater("Information", seen, [](HWND dialog) {
        ::SendMessageA(FindChild(dialog, "Button", "OK"), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(ShowMessage("Information", "Sie m\xFCssem mindestens einen Vornamen angeben"), 1);
    EXPECT_EQ(seen.text, "Sie m\xFCssem mindestens einen Vornamen angeben");
    EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(seen.icon, "information");
}

}  // namespace
}  // namespace natalo::ui::testing
