// The tray icon component against the real shell, timers and windows under Wine.
#include "trayicon/tray_icon.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "support/fake_timer_driver.h"
#include "trayicon/simple_timer_handler.h"
#include "ui/menu.h"
#include "ui/ui_test_support.h"

namespace natalo {
namespace {

using ui::testing::Pump;
using ui::testing::PumpUntil;
using ui::testing::RunLater;
using ui::testing::TestForm;

class TrayIconTest : public ui::testing::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        owner = std::make_unique<TestForm>();
        icon = std::make_unique<TTrayIcon>(owner.get());
        icon->SetIcon(ui::ProgramIcon(16));
    }
    void TearDown() override {
        icon.reset();
        owner.reset();
        UiTest::TearDown();
    }

    // The shell's callback for this icon, as the shell posts it.
    void Post(unsigned notification, TTrayIcon* target = nullptr) {
        target = target ? target : icon.get();
        ::PostMessageA(target->HandlerWindow(), TTrayIcon::kTrayCallbackMessage, target->IconId(),
                       notification);
    }
    // Forgets the icon behind the component's back, as a restarted shell does.
    void ShellForgetsTheIcon() {
        NOTIFYICONDATAA data = icon->IconData();
        ::Shell_NotifyIconA(NIM_DELETE, &data);
    }

    std::unique_ptr<TestForm> owner;
    std::unique_ptr<TTrayIcon> icon;
    std::vector<std::string> events;
};

TEST_F(TrayIconTest, CallbacksPostedToTheHandlerWindowRaiseTheEvents) {
    icon->OnMouseDown = [this](TMouseButton b, TShiftState s, int, int) {
        events.push_back("down" + std::to_string(b) + " " + std::to_string(s));
    };
    icon->OnMouseUp = [this](TMouseButton b, TShiftState, int, int) {
        events.push_back("up" + std::to_string(b));
    };
    icon->OnClick = [this] { events.push_back("click"); };
    icon->OnBalloonHintClick = [this] { events.push_back("balloon"); };
    Post(WM_LBUTTONDOWN);
    Post(WM_LBUTTONUP);
    Post(WM_MBUTTONDOWN);
    Post(NIN_BALLOONUSERCLICK);
    Pump(50);
    EXPECT_EQ(events, (std::vector<std::string>{"down0 8", "click", "up0", "down2 32", "balloon"}));
}

TEST_F(TrayIconTest, ASingleClickWaitsForTheDoubleClickTimeAndADoubleClickIsNoClick) {
    auto timers = std::make_shared<testing::FakeTimerDriver>();
    icon = std::make_unique<TTrayIcon>(owner.get(), timers);
    int clicks = 0, doubleClicks = 0, releases = 0;
    icon->OnClick = [&] { ++clicks; };
    icon->OnDblClick = [&] { ++doubleClicks; };
    icon->OnMouseUp = [&](TMouseButton, TShiftState, int, int) { ++releases; };
    EXPECT_EQ(icon->ClickTimer().Interval(), 1000u);

    Post(WM_LBUTTONDOWN);
    Post(WM_LBUTTONUP);
    ASSERT_TRUE(PumpUntil([&] { return releases == 1; }));
    EXPECT_EQ(timers->RunningInterval(icon->ClickTimer()), ::GetDoubleClickTime());
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(timers->Tick(icon->ClickTimer()));
    EXPECT_EQ(clicks, 1);

    Post(WM_LBUTTONDOWN);
    Post(WM_LBUTTONUP);
    Post(WM_LBUTTONDBLCLK);
    Post(WM_LBUTTONUP);
    ASSERT_TRUE(PumpUntil([&] { return releases == 3; }));
    EXPECT_EQ(doubleClicks, 1);
    // Once the double-click time is over, still no second click.
    timers->Tick(icon->ClickTimer());
    EXPECT_FALSE(icon->ClickTimer().Enabled());
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayIconTest, CallbacksReachOnlyTheIconTheyNameAndStrangersReachNobody) {
    TTrayIcon other(owner.get());
    EXPECT_EQ(other.HandlerWindow(), icon->HandlerWindow());
    EXPECT_NE(other.IconId(), icon->IconId());
    int mine = 0;
    int others = 0;
    icon->OnClick = [&] { ++mine; };
    other.OnClick = [&] { ++others; };
    Post(WM_LBUTTONDOWN, &other);
    Post(WM_LBUTTONUP, &other);
    ::PostMessageA(icon->HandlerWindow(), TTrayIcon::kTrayCallbackMessage, 0xBAD, WM_LBUTTONDOWN);
    ::PostMessageA(icon->HandlerWindow(), TTrayIcon::kTrayCallbackMessage, 0xBAD, WM_LBUTTONUP);
    Pump(50);
    EXPECT_EQ(mine, 0);
    EXPECT_EQ(others, 1);
}

TEST_F(TrayIconTest, TheSharedHandlerWindowCannotBeClosedAndGoesWithTheLastIcon) {
    HWND handler = icon->HandlerWindow();
    ::SendMessageA(handler, WM_CLOSE, 0, 0);
    EXPECT_EQ(::SendMessageA(handler, WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_TRUE(::IsWindow(handler));
    EXPECT_FALSE(::IsWindowVisible(handler));
    EXPECT_TRUE(::GetWindowLongA(handler, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    {
        auto second = std::make_unique<TTrayIcon>(nullptr);
        icon.reset();
        EXPECT_TRUE(::IsWindow(handler));
    }
    EXPECT_FALSE(::IsWindow(handler));
}

TEST_F(TrayIconTest, IconDataHasTheBalloonLayoutAndTheCutTip) {
    icon->SetHint(std::string(150, 'h'));
    NOTIFYICONDATAA data = icon->IconData();
    EXPECT_EQ(data.cbSize, NOTIFYICONDATAA_V2_SIZE);
    EXPECT_EQ(data.hWnd, icon->HandlerWindow());
    EXPECT_EQ(data.uID, icon->IconId());
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 0x800u);
    EXPECT_NE(data.hIcon, nullptr);
    EXPECT_NE(data.hIcon, ui::ProgramIcon(16));  // a copy of its own
    EXPECT_EQ(std::string(data.szTip), std::string(127, 'h'));
    EXPECT_EQ(data.szInfo[0], '\0');
}

TEST_F(TrayIconTest, TheShellHoldsTheIconOnlyWhileItIsVisible) {
    EXPECT_FALSE(icon->RefreshTray());
    EXPECT_TRUE(icon->AddToTray());
    EXPECT_TRUE(icon->RefreshTray());
    icon->SetHint("Natalo");
    EXPECT_TRUE(icon->RemoveFromTray());
    EXPECT_FALSE(icon->RefreshTray());
    EXPECT_FALSE(icon->IconVisible());
}

TEST_F(TrayIconTest, ARecreatedTaskbarGetsTheVisibleIconBackAndNotAHiddenOne) {
    const UINT taskbarCreated = TTrayIcon::TaskbarCreatedMessage();
    ASSERT_NE(taskbarCreated, 0u);
    ASSERT_EQ(icon->ApplicationWindow(), owner->Handle());

    icon->SetIconVisible(true);
    ShellForgetsTheIcon();
    EXPECT_FALSE(icon->RefreshTray());
    ::SendMessageA(icon->ApplicationWindow(), taskbarCreated, 0, 0);
    EXPECT_TRUE(icon->RefreshTray());

    icon->SetIconVisible(false);
    ::SendMessageA(icon->ApplicationWindow(), taskbarCreated, 0, 0);
    EXPECT_FALSE(icon->RefreshTray());
    EXPECT_FALSE(icon->IconVisible());
}

TEST_F(TrayIconTest, MinimisingTheApplicationHidesTheMainFormAndShowsTheIcon) {
    icon->SetMinimizeToTray(true);
    owner->Show();
    ASSERT_TRUE(::IsWindowVisible(owner->Handle()));
    ::SendMessageA(icon->ApplicationWindow(), WM_SIZE, SIZE_MINIMIZED, 0);
    EXPECT_FALSE(::IsWindowVisible(owner->Handle()));
    EXPECT_TRUE(icon->IconVisible());
    EXPECT_TRUE(icon->RefreshTray());

    // A restore command shows the main form again.
    ::SendMessageA(icon->ApplicationWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(::IsWindowVisible(owner->Handle()));
}

TEST_F(TrayIconTest, MinimisingTheOwnerWithAHandlerSendsItToTheTrayInstead) {
    int minimised = 0;
    icon->SetMinimizeToTray(true);
    icon->OnMinimizeToTray = [&] { ++minimised; };
    owner->Show();
    EXPECT_EQ(::SendMessageA(owner->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0), 1);
    EXPECT_EQ(minimised, 1);
    EXPECT_FALSE(::IsWindowVisible(owner->Handle()));
    EXPECT_FALSE(::IsIconic(owner->Handle()));
    EXPECT_TRUE(icon->IconVisible());
}

TEST_F(TrayIconTest, TheRightButtonOpensThePopupMenuOnThePress) {
    ui::PopupMenu menu;
    int chosen = 0;
    menu.AddItem("First", [&] { ++chosen; });
    icon->SetPopupMenu(&menu);
    std::vector<std::string> order;
    icon->OnMouseDown = [&](TMouseButton, TShiftState, int, int) { order.push_back("down"); };
    bool menuWasOpen = false;
    RunLater([&] {
        HWND popup = ::FindWindowA("#32768", nullptr);
        menuWasOpen = popup && ::IsWindowVisible(popup);
        order.push_back("menu");
        ::EndMenu();
    });
    icon->HandleNotification(WM_RBUTTONDOWN);
    EXPECT_TRUE(menuWasOpen);
    EXPECT_EQ(order, (std::vector<std::string>{"down", "menu"}));
    EXPECT_EQ(chosen, 0);

    // Switched off, the menu stays closed.
    icon->SetPopupMenuAutoPopup(false);
    bool looked = false;
    RunLater([&] {
        menuWasOpen = ::FindWindowA("#32768", nullptr) != nullptr;
        looked = true;
        ::EndMenu();
    });
    icon->HandleNotification(WM_RBUTTONDOWN);
    EXPECT_TRUE(PumpUntil([&] { return looked; }));
    EXPECT_FALSE(menuWasOpen);
}

TEST_F(TrayIconTest, ADoubleClickRunsTheMenusDefaultItem) {
    ui::PopupMenu menu;
    int first = 0;
    int second = 0;
    menu.AddItem("First", [&] { ++first; });
    const int secondId = menu.AddItem("Second", [&] { ++second; });
    icon->SetPopupMenu(&menu);
    Post(WM_LBUTTONDBLCLK);
    Pump(30);
    EXPECT_EQ(first + second, 0);  // no default item, nothing run
    menu.SetDefaultItem(secondId);
    Post(WM_LBUTTONDBLCLK);
    Pump(30);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
}

TEST_F(TrayIconTest, IconsOfTheListCycleThroughTheRealTimer) {
    struct ImageListTraits {
        using Handle = HIMAGELIST;
        static Handle Invalid() { return nullptr; }
        static void Close(Handle h) { ImageList_Destroy(h); }
    };
    UniqueHandle<ImageListTraits> images(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0));
    HIMAGELIST list = images.get();
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < 3; ++i)
        ImageList_AddIcon(list, ui::ProgramIcon(16));
    icon->SetIconList(list);
    icon->SetIconIndex(10);
    EXPECT_EQ(icon->IconIndex(), 2);
    std::vector<int> next;
    icon->OnCycle = [&](int index) { next.push_back(index); };
    icon->SetCycleIcons(true);
    Pump(60);
    EXPECT_TRUE(next.empty());  // interval 0: no cycling
    icon->SetCycleInterval(15);
    EXPECT_TRUE(PumpUntil([&] { return next.size() >= 4; }));
    icon->SetCycleIcons(false);
    next.resize(4);
    EXPECT_EQ(next, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_NE(icon->Icon(), nullptr);
    icon->SetIconList(nullptr);
    EXPECT_EQ(icon->IconIndex(), 0);
}

TEST_F(TrayIconTest, ErrorsInAnEventGoToTheDefaultHandler) {
    icon->OnClick = [] { throw std::runtime_error("Kaputt"); };
    Post(WM_LBUTTONDOWN);
    Post(WM_LBUTTONUP);
    Pump(50);
    EXPECT_EQ(errors_, std::vector<std::string>{"Kaputt."});
}

TEST(SimpleTimerHandlerTest, TicksReachTheirTimerByIdAndOnlyLivingTimers) {
    int ticks = 0;
    auto timer = MakeSimpleTimer(60000, [&] { ++ticks; });
    auto handler = TSimpleTimerHandler::Instance();
    const HWND window = handler->Window();
    const auto id = timer->Id();
    ::SendMessageA(window, WM_TIMER, id, 0);
    EXPECT_EQ(ticks, 1);
    ::SendMessageA(window, WM_TIMER, id + 1, 0);
    EXPECT_EQ(ticks, 1);
    timer->SetInterval(10);
    timer->SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    timer.reset();
    ::SendMessageA(window, WM_TIMER, id, 0);
    EXPECT_GE(ticks, 3);
    handler.reset();
    EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
}  // namespace natalo
