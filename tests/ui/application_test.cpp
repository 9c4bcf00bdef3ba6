// The application object: main form, message loop, default error handling.
#include <new>
#include <stdexcept>

#include "ui/button.h"
#include "ui/list_view.h"
#include "ui_test_support.h"

namespace natalo::ui::testing {
namespace {

using ApplicationTest = UiTest;

TEST_F(ApplicationTest, FirstFormCreatedBecomesTheMainFormUntilItIsDestroyed) {
    EXPECT_EQ(App().MainForm(), nullptr);
    auto first = std::make_unique<TestForm>();
    TestForm second;
    EXPECT_EQ(App().MainForm(), first.get());
    first.reset();
    EXPECT_EQ(App().MainForm(), nullptr);
    TestForm third;
    EXPECT_EQ(App().MainForm(), &third);
}

TEST_F(ApplicationTest, RunShowsTheMainFormAndClosingItTerminates) {
    TestForm main;
    bool visibleInLoop = false;
    RunLater([&] {
        visibleInLoop = main.Visible();
        main.Close();
    });
    App().Run();
    EXPECT_TRUE(visibleInLoop);
    EXPECT_TRUE(App().Terminated());
    EXPECT_EQ(main.closeCalls, 1);
}

TEST_F(ApplicationTest, RunLeavesTheMainFormHiddenWhenShowMainFormIsOff) {
    TestForm main;
    App().SetShowMainForm(false);
    bool visibleInLoop = true;
    RunLater([&] {
        visibleInLoop = main.Visible();
        App().Terminate();
    });
    App().Run();
    App().SetShowMainForm(true);
    EXPECT_FALSE(visibleInLoop);
}

TEST_F(ApplicationTest, MainFormThatRefusesToCloseKeepsTheApplicationRunning) {
    TestForm main;
    main.closeAction = CloseAction::None;
    main.Show();
    ::SendMessageA(main.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(App().Terminated());
    EXPECT_TRUE(main.Visible());
}

TEST_F(ApplicationTest, ErrorInACommandGoesToTheHandlerWithAPeriodAndTheLoopGoesOn) {
    TestForm form;
    Button failing(form, {10, 10, 80, 25}, "Fail");
    Button later(form, {10, 40, 80, 25}, "Later");
    bool restOfHandlerRan = false;
    bool laterRan = false;
    failing.OnClick([&] {
        throw std::runtime_error("Datei nicht gefunden");
        restOfHandlerRan = true;
    });
    later.OnClick([&] {
        laterRan = true;
        App().Terminate();
    });
    ::PostMessageA(failing.Handle(), BM_CLICK, 0, 0);
    ::PostMessageA(later.Handle(), BM_CLICK, 0, 0);
    App().SetShowMainForm(false);
    App().Run();
    App().SetShowMainForm(true);
    EXPECT_EQ(errors_, std::vector<std::string>{"Datei nicht gefunden."});
    EXPECT_FALSE(restOfHandlerRan);
    EXPECT_TRUE(laterRan);
}

TEST_F(ApplicationTest, ErrorsThatAreNotStandardExceptionsAreUnknownErrors) {
    TestForm form;
    Button failing(form, {10, 10, 80, 25}, "Fail");
    failing.OnClick([] { throw 42; });
    failing.Click();
    App().Guard([] { throw std::logic_error("E/A-Fehler 103"); });
    App().Guard([] { throw std::bad_alloc(); });
    EXPECT_EQ(errors_, (std::vector<std::string>{"Unbekannter Fehler.", "E/A-Fehler 103.",
                                                 "Zu wenig Arbeitsspeicher."}));
}

TEST_F(ApplicationTest, NoErrorLeavesASubclassedControlsProcedure) {
    TestForm form;
    ListView list(form, {0, 0, 200, 100});
    list.OnContextMenu([](int, POINT) { throw std::runtime_error("Kein Speicher"); });
    ::SendMessageA(list.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.Handle()), -1);
    EXPECT_EQ(errors_, std::vector<std::string>{"Kein Speicher."});
}

TEST_F(ApplicationTest, DefaultHandlerShowsAStopMessageBoxCaptionedWithTheTitle) {
    App().SetExceptionSink(nullptr);
    std::string caption, text;
    bool stopIcon = false;
    RunLater([&] {
        HWND box = ::FindWindowA("#32770", "Der Zozerodivodurorudu");
        if (!box)
            return;
        caption = WindowText(box);
        for (HWND child = ::GetWindow(box, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            char name[32] = {};
            ::GetClassNameA(child, name, sizeof name);
            LONG style = ::GetWindowLongA(child, GWL_STYLE);
            if (::lstrcmpiA(name, "Static") != 0)
                continue;
            if ((style & SS_TYPEMASK) == SS_ICON) {
                stopIcon = ::SendMessageA(child, STM_GETICON, 0, 0) != 0;
            } else if (!WindowText(child).empty()) {
                text = WindowText(child);
            }
        }
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    App().ShowException(std::runtime_error("Dateizugriff verweigert"));
    EXPECT_EQ(caption, "Der Zozerodivodurorudu");
    EXPECT_EQ(text, "Dateizugriff verweigert.");
    EXPECT_TRUE(stopIcon);
}

TEST_F(ApplicationTest, ProcessMessagesDeliversTimersAndPostedMessages) {
    TestForm form;
    form.Show();
    bool timerRan = false;
    RunLater([&] { timerRan = true; }, 10);
    ASSERT_TRUE(WaitUntilRunLaterIsDue());
    ::PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
    App().ProcessMessages();
    EXPECT_TRUE(timerRan);
    EXPECT_EQ(form.closeCalls, 1);
}

}  // namespace
}  // namespace natalo::ui::testing
