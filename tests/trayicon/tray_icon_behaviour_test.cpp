#include "trayicon/tray_icon_behaviour.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/fake_timer_driver.h"

namespace natalo {
namespace {

namespace tn = tray_notification;
using testing::FakeTimerDriver;

// A tray icon over a fake shell, cursor, keyboard and menu that writes down what it was
// asked to do, in order, together with the events it raised.
class FakeTrayIcon : public TrayIconBehaviour {
  public:
    explicit FakeTrayIcon(std::shared_ptr<FakeTimerDriver> driver)
        : TrayIconBehaviour(driver), driver_(std::move(driver)) {
        OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
            Log("down" + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(x) +
                "," + std::to_string(y));
        };
        OnMouseUp = [this](TMouseButton b, TShiftState s, int, int) {
            Log("up" + std::to_string(b) + " " + std::to_string(s));
        };
        OnClick = [this] { Log("click"); };
    }
    ~FakeTrayIcon() override { FreeTimers(); }

    void Log(std::string entry) { log.push_back(std::move(entry)); }
    std::vector<std::string> TakeLog() { return std::exchange(log, {}); }
    void UseIconList(std::optional<int> count) {
        iconListCount = count;
        IconListChanged();
    }

    std::vector<std::string> log;
    std::optional<ScreenPoint> cursor = ScreenPoint{10, 20};
    TShiftState keys = 0;
    std::uint32_t doubleClickTime = 500;
    bool popupMenu = true;
    std::optional<int> iconListCount;
    int shownImage = -1;
    bool shellAccepts = true;
    bool hasOwner = true;
    TrayTipBytes lastTip{};

  protected:
    bool ShellNotify(TrayShellCommand command) override {
        static const char* const names[] = {"add", "modify", "delete", "version"};
        Log(std::string("shell ") + names[static_cast<int>(command)]);
        lastTip = Tip();
        return shellAccepts;
    }
    std::optional<ScreenPoint> CursorPosition() const override { return cursor; }
    TShiftState KeyboardShift() const override { return keys; }
    std::uint32_t DoubleClickTime() const override { return doubleClickTime; }
    bool HasAutoPopupMenu() const override { return popupMenu; }
    void TrackPopupMenu(ScreenPoint at) override {
        Log("menu " + std::to_string(at.x) + "," + std::to_string(at.y));
    }
    void RunDefaultMenuItem() override { Log("default item"); }
    std::optional<int> IconListCount() const override { return iconListCount; }
    void CopyIconListImage(int index) override {
        shownImage = index;
        Log("image " + std::to_string(index));
    }
    bool HasOwnerWindow() const override { return hasOwner; }
    void HideMainForm() override { Log("hide main form"); }
    void SuppressMainFormShowing() override { Log("no main form at start"); }

  private:
    std::shared_ptr<FakeTimerDriver> driver_;
};

using Log = std::vector<std::string>;

class TrayIconBehaviourTest : public ::testing::Test {
  protected:
    void Notify(std::initializer_list<unsigned> notifications) {
        for (unsigned n : notifications)
            icon.HandleNotification(n);
    }
    // The click timer runs out.
    bool ClickTimeOver() { return driver->Tick(icon.ClickTimer()); }

    std::shared_ptr<FakeTimerDriver> driver = std::make_shared<FakeTimerDriver>();
    FakeTrayIcon icon{driver};
};

TEST_F(TrayIconBehaviourTest, StartsWithTheDocumentedSettingsAndShowsNothing) {
    EXPECT_TRUE(icon.Enabled());
    EXPECT_TRUE(icon.ShowHint());
    EXPECT_FALSE(icon.IconVisible());
    EXPECT_FALSE(icon.LeftPopup());
    EXPECT_FALSE(icon.MinimizeToTray());
    EXPECT_FALSE(icon.CycleIcons());
    EXPECT_EQ(icon.CycleInterval(), 0u);
    EXPECT_EQ(icon.IconIndex(), 0);
    EXPECT_EQ(icon.ClickTimer().Interval(), 1000u);
    EXPECT_EQ(icon.CycleTimer().Interval(), 1000u);
    EXPECT_EQ(icon.ExitTimer().Interval(), 20u);
    EXPECT_TRUE(driver->running.empty());
    EXPECT_TRUE(icon.log.empty());
}

// --- Clicks -----------------------------------------------------------------------------

TEST_F(TrayIconBehaviourTest,
       WithADoubleClickHandlerASingleClickComesWhenTheDoubleClickTimeIsOver) {
    icon.OnDblClick = [this] { icon.Log("double"); };
    icon.doubleClickTime = 430;
    Notify({tn::kLeftButtonDown});
    EXPECT_EQ(driver->RunningInterval(icon.ClickTimer()), 430u);
    Notify({tn::kLeftButtonUp});
    EXPECT_EQ(icon.TakeLog(), (Log{"down0 8 10,20", "up0 8"}));

    EXPECT_TRUE(ClickTimeOver());
    EXPECT_EQ(icon.TakeLog(), Log{"click"});
    EXPECT_FALSE(icon.ClickTimer().Enabled());
    EXPECT_FALSE(ClickTimeOver());  // stopped: exactly one click
    EXPECT_TRUE(icon.TakeLog().empty());
}

TEST_F(TrayIconBehaviourTest, AButtonHeldLongerThanTheDoubleClickTimeClicksAtTheRelease) {
    icon.OnDblClick = [this] { icon.Log("double"); };
    Notify({tn::kLeftButtonDown});
    EXPECT_TRUE(ClickTimeOver());
    EXPECT_EQ(icon.TakeLog(), Log{"down0 8 10,20"});
    Notify({tn::kLeftButtonUp});
    EXPECT_EQ(icon.TakeLog(), (Log{"click", "up0 8"}));
}

TEST_F(TrayIconBehaviourTest, ADoubleClickRaisesOnlyTheDoubleClickEvent) {
    icon.OnDblClick = [this] { icon.Log("double"); };
    icon.OnMouseDown = nullptr;
    icon.OnMouseUp = nullptr;
    Notify({tn::kLeftButtonDown, tn::kLeftButtonUp, tn::kLeftButtonDoubleClick, tn::kLeftButtonUp});
    EXPECT_TRUE(ClickTimeOver());
    EXPECT_EQ(icon.TakeLog(), (Log{"double", "default item"}));

    // The next single click is a click again.
    Notify({tn::kLeftButtonDown, tn::kLeftButtonUp});
    EXPECT_TRUE(ClickTimeOver());
    EXPECT_EQ(icon.TakeLog(), Log{"click"});
}

TEST_F(TrayIconBehaviourTest, WithoutADoubleClickHandlerTheClickComesAtTheReleaseBeforeMouseUp) {
    Notify({tn::kLeftButtonDown});
    EXPECT_FALSE(icon.ClickTimer().Enabled());
    Notify({tn::kLeftButtonUp});
    EXPECT_EQ(icon.TakeLog(), (Log{"down0 8 10,20", "click", "up0 8"}));
    // A release without a press is no click.
    Notify({tn::kLeftButtonUp});
    EXPECT_EQ(icon.TakeLog(), Log{"up0 8"});
    // A double click without any handler still runs the menu's default item.
    Notify({tn::kLeftButtonDoubleClick});
    EXPECT_EQ(icon.TakeLog(), Log{"default item"});
}

// Presses, releases and moves of each button with the menu, the cursor and the keys as
// each case sets them: what the icon raised and asked for after each group of callbacks.
TEST_F(TrayIconBehaviourTest, ButtonsMovesAndTheMenuAsEachCaseSetsThemUp) {
    struct Step {
        std::vector<unsigned> notifications;
        Log expected;
    };
    const struct {
        const char* name;
        std::function<void(FakeTrayIcon&)> setUp;
        std::vector<Step> steps;
    } cases[] = {
        {"the right button opens the menu on the press, after the mouse-down event",
         [](FakeTrayIcon& icon) {
             icon.keys = ssCtrl | ssShift;
             icon.cursor = ScreenPoint{300, 5};
         },
         {{{tn::kRightButtonDown}, {"down1 21 300,5", "menu 300,5"}},
          {{tn::kRightButtonUp}, {"up1 21"}},
          {{tn::kRightButtonDoubleClick, tn::kMiddleButtonDoubleClick, 0x300}, {}}}},
        {"the middle button and moves carry their shift state and the cursor",
         [](FakeTrayIcon& icon) {
             icon.keys = ssAlt;
             icon.cursor = ScreenPoint{-4, 7};
             icon.OnMouseMove = [&icon](TShiftState s, int x, int y) {
                 icon.Log("move " + std::to_string(s) + " " + std::to_string(x) + "," +
                          std::to_string(y));
             };
         },
         {{{tn::kMiddleButtonDown, tn::kMiddleButtonUp, tn::kMouseMove},
           {"down2 34 -4,7", "up2 34", "move 2 -4,7"}}}},
        {"left popup opens the menu on a left press and keeps the default item",
         [](FakeTrayIcon& icon) {
             icon.SetLeftPopup(true);
             icon.OnMouseDown = nullptr;
         },
         {{{tn::kLeftButtonDown}, {"menu 10,20"}}, {{tn::kLeftButtonDoubleClick}, {}}}},
        {"a menu that does not pop up by itself neither opens nor runs its default",
         [](FakeTrayIcon& icon) {
             icon.popupMenu = false;
             icon.OnMouseDown = nullptr;
             icon.OnMouseUp = nullptr;
         },
         {{{tn::kRightButtonDown, tn::kRightButtonUp, tn::kLeftButtonDoubleClick}, {}}}},
        {"without a cursor position the menu stays closed",
         [](FakeTrayIcon& icon) { icon.cursor.reset(); },
         {{{tn::kRightButtonDown}, {"down1 16 0,0"}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeTrayIcon fresh{driver};
        c.setUp(fresh);
        for (const Step& step : c.steps) {
            for (unsigned n : step.notifications)
                fresh.HandleNotification(n);
            EXPECT_EQ(fresh.TakeLog(), step.expected);
        }
    }
}

TEST_F(TrayIconBehaviourTest, DisabledItIgnoresTheMouseButNotTheBalloons) {
    icon.SetEnabled(false);
    icon.OnDblClick = [this] { icon.Log("double"); };
    icon.OnMouseMove = [this](TShiftState, int, int) { icon.Log("move"); };
    icon.OnBalloonHintShow = [this] { icon.Log("balloon show"); };
    icon.OnBalloonHintHide = [this] { icon.Log("balloon hide"); };
    icon.OnBalloonHintTimeout = [this] { icon.Log("balloon timeout"); };
    icon.OnBalloonHintClick = [this] { icon.Log("balloon click"); };
    for (unsigned n = tn::kMouseMove; n <= tn::kMiddleButtonDoubleClick; ++n)
        icon.HandleNotification(n);
    EXPECT_FALSE(icon.ClickTimer().Enabled());
    EXPECT_TRUE(icon.TakeLog().empty());
    Notify({tn::kBalloonShow, tn::kBalloonHide, tn::kBalloonTimeout, tn::kBalloonUserClick});
    EXPECT_EQ(icon.TakeLog(),
              (Log{"balloon show", "balloon hide", "balloon timeout", "balloon click"}));
}

// --- Enter and exit ---------------------------------------------------------------------

TEST_F(TrayIconBehaviourTest, EnterComesWithTheFirstMoveAndExitWhenTheCursorHasMoved) {
    icon.OnMouseEnter = [this] { icon.Log("enter"); };
    icon.OnMouseExit = [this] { icon.Log("exit"); };
    icon.OnMouseMove = [this](TShiftState, int, int) { icon.Log("move"); };
    icon.SetWantEnterExitEvents(true);
    EXPECT_EQ(driver->RunningInterval(icon.ExitTimer()), 20u);

    Notify({tn::kMouseMove, tn::kMouseMove});
    EXPECT_EQ(icon.TakeLog(), (Log{"enter", "move", "move"}));
    driver->Tick(icon.ExitTimer());  // still on the icon
    EXPECT_TRUE(icon.TakeLog().empty());
    icon.cursor = ScreenPoint{10, 21};
    driver->Tick(icon.ExitTimer());
    driver->Tick(icon.ExitTimer());
    EXPECT_EQ(icon.TakeLog(), Log{"exit"});
    Notify({tn::kMouseMove});
    EXPECT_EQ(icon.TakeLog(), (Log{"enter", "move"}));

    icon.SetWantEnterExitEvents(false);
    EXPECT_FALSE(driver->IsRunning(icon.ExitTimer()));
}

TEST_F(TrayIconBehaviourTest, WithoutEnterExitEventsMovesOnlyMove) {
    icon.OnMouseEnter = [this] { icon.Log("enter"); };
    Notify({tn::kMouseMove});
    EXPECT_TRUE(icon.TakeLog().empty());
}

// --- Tip and shell calls -----------------------------------------------------------------

TEST_F(TrayIconBehaviourTest, TheTipIsTheHintCutTo127CharactersAndEmptyWhenNotShown) {
    std::string hint(200, 'x');
    hint[126] = 'L';
    hint[127] = 'C';
    icon.SetHint(hint);
    EXPECT_EQ(icon.TakeLog(), Log{"shell modify"});
    EXPECT_EQ(std::string(icon.lastTip.data()), hint.substr(0, 127));
    EXPECT_EQ(icon.lastTip[127], '\0');

    icon.SetShowHint(false);
    EXPECT_EQ(icon.lastTip, TrayTipBytes{});
    icon.SetShowHint(true);
    icon.SetHint("");
    EXPECT_EQ(icon.lastTip, TrayTipBytes{});
    EXPECT_EQ(std::string(TrayTip("Natalo", true).data()), "Natalo");
}

TEST_F(TrayIconBehaviourTest, VisibilityAddsAndRemovesAndRefreshLeavesItAlone) {
    icon.shellAccepts = false;
    icon.SetIconVisible(true);
    EXPECT_TRUE(icon.IconVisible());  // what was asked, whatever the shell said
    EXPECT_FALSE(icon.RefreshTray());
    EXPECT_TRUE(icon.IconVisible());
    icon.SetIconVisible(false);
    EXPECT_FALSE(icon.IconVisible());
    EXPECT_EQ(icon.TakeLog(), (Log{"shell add", "shell modify", "shell delete"}));
}

TEST_F(TrayIconBehaviourTest, ARecreatedTaskbarGetsAVisibleIconBackButNotAHiddenOne) {
    icon.TaskbarCreated();
    EXPECT_TRUE(icon.TakeLog().empty());
    icon.SetIconVisible(true);
    icon.TakeLog();
    icon.TaskbarCreated();
    EXPECT_EQ(icon.TakeLog(), Log{"shell add"});
}

TEST_F(TrayIconBehaviourTest, LoadedPushesTheIconAndSetsTheShellBehaviourLast) {
    icon.SetIconVisible(true);
    icon.TakeLog();
    icon.Loaded();
    EXPECT_EQ(icon.TakeLog(), (Log{"shell modify", "shell add", "shell version"}));
    EXPECT_TRUE(driver->running.empty());
}

TEST_F(TrayIconBehaviourTest, StartupEventCanKeepTheMainFormHidden) {
    bool asked = false;
    icon.OnStartup = [&](bool& show) {
        asked = true;
        EXPECT_TRUE(show);
        show = false;
    };
    icon.Loaded();
    EXPECT_TRUE(asked);
    EXPECT_EQ(icon.TakeLog(), (Log{"no main form at start", "hide main form", "shell modify",
                                   "shell delete", "shell version"}));

    asked = false;
    icon.hasOwner = false;
    icon.Loaded();
    EXPECT_FALSE(asked);
}

// --- Images and cycling -----------------------------------------------------------------

TEST_F(TrayIconBehaviourTest, IconIndexIsClampedToTheListAndZeroWithoutOne) {
    icon.SetIconIndex(3);
    EXPECT_EQ(icon.IconIndex(), 0);
    icon.UseIconList(4);
    EXPECT_EQ(icon.shownImage, 0);
    icon.SetIconIndex(10);
    EXPECT_EQ(icon.IconIndex(), 3);
    EXPECT_EQ(icon.shownImage, 3);
    icon.SetIconIndex(2);
    EXPECT_EQ(icon.IconIndex(), 2);
    icon.SetIconIndex(-5);
    EXPECT_EQ(icon.IconIndex(), 0);
    icon.TakeLog();

    icon.UseIconList(0);  // an empty list has no image to copy
    icon.SetIconIndex(1);
    EXPECT_EQ(icon.IconIndex(), 0);
    EXPECT_EQ(icon.TakeLog(), (Log{"shell modify", "shell modify"}));

    icon.UseIconList(std::nullopt);
    EXPECT_EQ(icon.IconIndex(), 0);
}

TEST_F(TrayIconBehaviourTest, CyclingThroughThreeImagesGoesOneTwoZero) {
    icon.UseIconList(3);
    std::vector<int> nextIndexes;
    std::vector<int> shown;
    icon.OnCycle = [&](int next) { nextIndexes.push_back(next); };
    icon.SetCycleInterval(250);
    icon.SetCycleIcons(true);
    EXPECT_EQ(driver->RunningInterval(icon.CycleTimer()), 250u);
    for (int tick = 0; tick < 4; ++tick) {
        ASSERT_TRUE(driver->Tick(icon.CycleTimer()));
        shown.push_back(icon.shownImage);
    }
    EXPECT_EQ(nextIndexes, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(icon.IconIndex(), 1);

    icon.SetCycleIcons(false);
    EXPECT_FALSE(driver->IsRunning(icon.CycleTimer()));
}

TEST_F(TrayIconBehaviourTest, CyclingWaitsForANonZeroInterval) {
    icon.UseIconList(2);
    icon.SetCycleIcons(true);
    EXPECT_FALSE(driver->IsRunning(icon.CycleTimer()));
    icon.SetCycleInterval(100);
    EXPECT_EQ(driver->RunningInterval(icon.CycleTimer()), 100u);
    icon.SetCycleInterval(0);
    EXPECT_FALSE(driver->IsRunning(icon.CycleTimer()));
}

TEST_F(TrayIconBehaviourTest, CyclingWithoutAnIconListDoesNothing) {
    int cycles = 0;
    icon.OnCycle = [&](int) { ++cycles; };
    icon.SetCycleInterval(100);
    icon.SetCycleIcons(true);
    icon.TakeLog();
    ASSERT_TRUE(driver->Tick(icon.CycleTimer()));
    EXPECT_EQ(cycles, 0);
    EXPECT_TRUE(icon.TakeLog().empty());
}

// --- Sending the program to the tray -------------------------------------------------------

TEST_F(TrayIconBehaviourTest, MinimisingTheApplicationSendsItToTheTrayWithoutTheEvent) {
    int events = 0;
    icon.ApplicationMinimized();
    EXPECT_TRUE(icon.TakeLog().empty());
    icon.SetMinimizeToTray(true);
    icon.OnMinimizeToTray = [&] { ++events; };
    icon.ApplicationMinimized();
    EXPECT_EQ(icon.TakeLog(), (Log{"hide main form", "shell add"}));
    EXPECT_TRUE(icon.IconVisible());
    EXPECT_EQ(events, 0);
}

TEST_F(TrayIconBehaviourTest, TheOwnerIsSentToTheTrayOnlyWithAMinimiseHandler) {
    int events = 0;
    icon.SetMinimizeToTray(true);
    EXPECT_FALSE(icon.OwnerMinimizing());
    icon.OnMinimizeToTray = [&] {
        ++events;
        icon.Log("event");
    };
    EXPECT_TRUE(icon.OwnerMinimizing());
    EXPECT_EQ(icon.TakeLog(), (Log{"event", "hide main form", "shell add"}));
    icon.SetMinimizeToTray(false);
    EXPECT_FALSE(icon.OwnerMinimizing());
    EXPECT_EQ(events, 1);
}

TEST_F(TrayIconBehaviourTest, TheStartupCheckEndsWithTheFirstMainForm) {
    icon.ApplicationPositionChanged(false);
    EXPECT_TRUE(icon.StartupPending());
    icon.ApplicationPositionChanged(true);
    EXPECT_FALSE(icon.StartupPending());
}

}  // namespace
}  // namespace natalo
