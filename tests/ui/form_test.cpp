// Forms: creation, size and placement, showing, closing, modal loops, the themed frame.
#include "ui/button.h"
#include "ui_test_support.h"

namespace natalo::ui::testing {
namespace {

using FormTest = UiTest;

FormOptions MainWindowLike() {
    FormOptions options;
    options.caption = "   Natalo - The Birthday Manager";
    options.clientWidth = 658;
    options.clientHeight = 499;
    options.borderIcons = BorderIcons::None();
    options.frame.borderWidth = 3;
    options.frame.titleHeight = 30;
    return options;
}

// Records whether the owner was enabled again when the modal form was hidden.
class ModalForm : public TestForm {
  public:
    explicit ModalForm(HWND owner) : TestForm(Options(owner)) {}
    bool ownerEnabledAtHide = false;

  private:
    static FormOptions Options(HWND owner) {
        FormOptions options = DefaultOptions();
        options.owner = owner;
        options.caption = "Modal";
        return options;
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SHOWWINDOW && !wParam) {
            ownerEnabledAtHide = ::IsWindowEnabled(::GetWindow(Handle(), GW_OWNER)) != FALSE;
        }
        return TestForm::HandleMessage(message, wParam, lParam);
    }
};

TEST_F(FormTest, IsCreatedHiddenWithItsCaption) {
    TestForm form(MainWindowLike());
    EXPECT_TRUE(form.Exists());
    EXPECT_FALSE(::IsWindowVisible(form.Handle()));
    EXPECT_EQ(WindowText(form.Handle()), "   Natalo - The Birthday Manager");
    EXPECT_EQ(form.formShowCalls, 0);
}

TEST_F(FormTest, OptionsGiveOwnerTopmostAndDefaultFontAndColour) {
    TestForm owner;
    FormOptions options = TestForm::DefaultOptions();
    options.owner = owner.Handle();
    options.alwaysOnTop = true;
    TestForm form(options);
    EXPECT_EQ(::GetWindow(form.Handle(), GW_OWNER), owner.Handle());
    EXPECT_TRUE(::GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(::GetWindowLongA(owner.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(form.Background(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(form.Font(), CachedFont(FontSpec::Points("MS Sans Serif", 8), kLayoutDpi));
    Button button(form, {1, 1, 50, 20}, "OK");
    EXPECT_EQ(button.Font(), form.Font()) << "controls take the form's font";
    EXPECT_EQ(ClientPixel(form.Handle(), 100, 100), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(FormTest, ClientAreaIsExactlyTheLayoutSizeInsideTheFrame) {
    TestForm form(MainWindowLike());
    RECT client = form.ClientRect();
    EXPECT_EQ(client.right, 658);
    EXPECT_EQ(client.bottom, 499);
    RECT window = WindowRect(form.Handle());
    RECT onScreen = ClientRectOnScreen(form.Handle());
    EXPECT_EQ(onScreen.left - window.left, 3);
    EXPECT_EQ(onScreen.top - window.top, 3 + 30);
    EXPECT_EQ(window.right - onScreen.right, 3);
    EXPECT_EQ(window.bottom - onScreen.bottom, 3);
}

TEST_F(FormTest, IsCentredOnTheWorkAreaWhenFirstShownAndStaysWhereMovedAfterwards) {
    TestForm form(MainWindowLike());
    form.Show();
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT window = WindowRect(form.Handle());
    EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 1);
    form.Hide();
    ::SetWindowPos(form.Handle(), nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    form.Show();
    EXPECT_EQ(WindowRect(form.Handle()).left, 5);
}

TEST_F(FormTest, FormShowRunsOnceEachTimeTheFormGoesFromHiddenToShown) {
    TestForm form;
    form.Show();
    form.Show();
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.formShowCalls, 1);
    form.Hide();
    EXPECT_FALSE(form.Visible());
    form.Show();
    EXPECT_EQ(form.formShowCalls, 2);
}

TEST_F(FormTest, CloseActionsHideFreeKeepOrMinimise) {
    TestForm main;  // closing the main form would end the application instead
    TestForm form;
    form.Show();
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(form.Exists());

    form.closeAction = CloseAction::None;
    form.Show();
    form.Close();
    EXPECT_TRUE(form.Visible());

    form.closeAction = CloseAction::Minimize;
    form.Close();
    EXPECT_TRUE(::IsIconic(form.Handle()));
    EXPECT_EQ(form.GetWindowState(), WindowState::Minimized);
    form.SetWindowState(WindowState::Normal);
    EXPECT_EQ(form.GetWindowState(), WindowState::Normal);

    form.closeAction = CloseAction::Free;
    HWND handle = form.Handle();
    form.Close();
    EXPECT_FALSE(form.Exists());
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(form.closeCalls, 4);
    EXPECT_FALSE(App().Terminated());
}

TEST_F(FormTest, AltF4AndTheTitleBandCloseButtonGoThroughClose) {
    TestForm main;
    TestForm form;
    form.Show();
    ::SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.closeCalls, 1);
    EXPECT_FALSE(form.Visible());

    form.Show();
    RECT button = form.Frame().ButtonRect(form.Handle(), FrameButton::Close);
    RECT window = WindowRect(form.Handle());
    POINT screen{window.left + (button.left + button.right) / 2,
                 window.top + (button.top + button.bottom) / 2};
    EXPECT_EQ(::SendMessageA(form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)),
              HTCLOSE);
    ::SendMessageA(form.Handle(), WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(screen.x, screen.y));
    POINT client = screen;
    ::ScreenToClient(form.Handle(), &client);
    ::SendMessageA(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    EXPECT_EQ(form.closeCalls, 2);
    EXPECT_FALSE(form.Visible());
}

TEST_F(FormTest, TitleBandHitTestsAsCaptionButtonsAndClient) {
    TestForm plain(MainWindowLike());  // no title-bar buttons
    FormOptions options = TestForm::DefaultOptions();
    options.borderIcons = {true, true, false, true};
    TestForm buttons(options);
    auto hitAt = [](const Form& form, int x, int y) {
        RECT window = WindowRect(form.Handle());
        return ::SendMessageA(form.Handle(), WM_NCHITTEST, 0,
                              MAKELPARAM(window.left + x, window.top + y));
    };
    RECT plainWindow = WindowRect(plain.Handle());
    EXPECT_EQ(hitAt(plain, plainWindow.right - plainWindow.left - 10, 15), HTCAPTION);
    EXPECT_EQ(hitAt(plain, 100, 100), HTCLIENT);
    RECT window = WindowRect(buttons.Handle());
    int width = window.right - window.left;
    EXPECT_EQ(hitAt(buttons, width - 10, 12), HTCLOSE);
    EXPECT_EQ(hitAt(buttons, width - 50, 12), HTMINBUTTON);
    EXPECT_EQ(hitAt(buttons, width - 90, 12), HTCAPTION);
    EXPECT_EQ(hitAt(buttons, 10, 12), HTSYSMENU);
}

TEST_F(FormTest, MinimiseButtonMinimisesTheWindow) {
    TestForm form;
    form.Show();
    RECT button = form.Frame().ButtonRect(form.Handle(), FrameButton::Minimize);
    RECT window = WindowRect(form.Handle());
    POINT screen{window.left + button.left + 5, window.top + button.top + 5};
    ::SendMessageA(form.Handle(), WM_NCLBUTTONDOWN, HTMINBUTTON, MAKELPARAM(screen.x, screen.y));
    ::ScreenToClient(form.Handle(), &screen);
    ::SendMessageA(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(form.GetWindowState(), WindowState::Minimized);
}

TEST_F(FormTest, FramePaintsBorderAndTitleBandColours) {
    FormOptions options = MainWindowLike();
    options.frame.borderColour = RGB(0, 44, 200);
    options.frame.titleTop = options.frame.titleBottom = RGB(10, 120, 30);
    TestForm form(options);
    RECT window = WindowRect(form.Handle());
    int width = window.right - window.left, height = window.bottom - window.top;
    HDC screen = ::GetDC(nullptr);
    UniqueMemoryDc dc(::CreateCompatibleDC(screen));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, width, height));
    ::ReleaseDC(nullptr, screen);
    SelectedObject selected(dc.get(), bitmap.get());
    form.Frame().Paint(form.Handle(), dc.get());
    EXPECT_EQ(::GetPixel(dc.get(), 1, height / 2), RGB(0, 44, 200));
    EXPECT_EQ(::GetPixel(dc.get(), width / 2, height - 1), RGB(0, 44, 200));
    EXPECT_EQ(::GetPixel(dc.get(), width - 20, 3 + 20), RGB(10, 120, 30));
}

TEST_F(FormTest, RoundedCornersFollowTheWindowSize) {
    FormOptions options = TestForm::DefaultOptions();
    options.frame.cornerRadius = 13;
    options.frame.borderWidth = 3;
    TestForm form(options);
    RECT window = WindowRect(form.Handle());
    int height = window.bottom - window.top;
    UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(form.Handle(), region.get()), ERROR);
    EXPECT_FALSE(::PtInRegion(region.get(), 0, 0));
    EXPECT_TRUE(::PtInRegion(region.get(), 20, height / 2));

    form.SetOuterWidth(500);
    EXPECT_EQ(WindowRect(form.Handle()).right - WindowRect(form.Handle()).left, 500);
    EXPECT_EQ(form.ClientRect().right, 500 - 6);
    ASSERT_NE(::GetWindowRgn(form.Handle(), region.get()), ERROR);
    EXPECT_TRUE(::PtInRegion(region.get(), 490, height / 2));
    EXPECT_FALSE(::PtInRegion(region.get(), 499, 0));
}

TEST_F(FormTest, FrameCaptionCanDifferFromTheWindowText) {
    TestForm form(MainWindowLike());
    form.SetFrameCaption("   Natalo - The Birthday Manager - 12/20/2026");
    EXPECT_EQ(form.FrameCaption(), "   Natalo - The Birthday Manager - 12/20/2026");
    EXPECT_EQ(form.Text(), "   Natalo - The Birthday Manager");
    form.SetText("Other");
    EXPECT_EQ(form.FrameCaption(), "   Natalo - The Birthday Manager - 12/20/2026");
}

TEST_F(FormTest, MinimumSizeLimitsTheWholeWindow) {
    FormOptions options = TestForm::DefaultOptions();
    options.minimumSize = {173, 63};
    options.resizable = true;
    TestForm form(options);
    MINMAXINFO info{};
    ::SendMessageA(form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 173);
    EXPECT_EQ(info.ptMinTrackSize.y, 63);
}

TEST_F(FormTest, ShowModalDisablesTheOwnerAndReturnsTheModalResult) {
    TestForm main;
    main.Show();
    ModalForm modal(main.Handle());
    bool ownerDisabledWhileOpen = false;
    bool modalVisibleWhileOpen = false;
    RunLater([&] {
        ownerDisabledWhileOpen = !::IsWindowEnabled(main.Handle());
        modalVisibleWhileOpen = modal.Visible();
        modal.SetModalResult(7);
    });
    EXPECT_EQ(modal.ShowModal(), 7);
    EXPECT_TRUE(ownerDisabledWhileOpen);
    EXPECT_TRUE(modalVisibleWhileOpen);
    EXPECT_TRUE(modal.ownerEnabledAtHide);
    EXPECT_TRUE(::IsWindowEnabled(main.Handle()));
    EXPECT_FALSE(modal.Visible());
    EXPECT_EQ(modal.closeCalls, 1);
}

TEST_F(FormTest, ClosingAModalFormEndsItWithCancel) {
    TestForm main;
    main.Show();
    ModalForm modal(main.Handle());
    Button closeButton(modal, {10, 10, 100, 30}, "close window");
    closeButton.OnClick([&] { modal.Close(); });
    RunLater([&] { closeButton.Click(); });
    EXPECT_EQ(modal.ShowModal(), kModalCancel);
    EXPECT_EQ(modal.closeCalls, 1);
    EXPECT_TRUE(::IsWindowEnabled(main.Handle()));
}

TEST_F(FormTest, NestedModalFormsEachReturnTheirResult) {
    TestForm main;
    main.Show();
    ModalForm outer(main.Handle());
    ModalForm inner(outer.Handle());
    int innerResult = 0;
    bool outerDisabledDuringInner = false;
    RunLater([&] {
        RunLater([&] {
            outerDisabledDuringInner = !::IsWindowEnabled(outer.Handle());
            inner.SetModalResult(5);
        });
        innerResult = inner.ShowModal();
        outer.SetModalResult(6);
    });
    EXPECT_EQ(outer.ShowModal(), 6);
    EXPECT_EQ(innerResult, 5);
    EXPECT_TRUE(outerDisabledDuringInner);
    EXPECT_TRUE(::IsWindowEnabled(main.Handle()));
}

TEST_F(FormTest, ModalFormThatRefusesToCloseKeepsRunning) {
    TestForm main;
    ModalForm modal(main.Handle());
    modal.closeAction = CloseAction::None;
    int attempts = 0;
    std::function<void()> tryClose = [&] {
        ++attempts;
        modal.SetModalResult(3);
        if (attempts == 2)
            modal.closeAction = CloseAction::Hide;
        if (attempts < 2)
            RunLater(tryClose, 10);
    };
    RunLater(tryClose, 10);
    EXPECT_EQ(modal.ShowModal(), 3);
    EXPECT_EQ(attempts, 2);
}

}  // namespace
}  // namespace natalo::ui::testing
