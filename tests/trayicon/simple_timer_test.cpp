#include "trayicon/simple_timer.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/fake_timer_driver.h"

namespace natalo {
namespace {

using testing::FakeTimerDriver;

class SimpleTimerTest : public ::testing::Test {
  protected:
    std::shared_ptr<FakeTimerDriver> driver = std::make_shared<FakeTimerDriver>();
    int ticks = 0;
};

TEST_F(SimpleTimerTest, IsCreatedStoppedWithItsSettingsAndRegistered) {
    TSimpleTimer plain(driver);
    TSimpleTimer daily(driver, 86400000, [this] { ++ticks; });
    EXPECT_EQ(plain.Interval(), 1000u);
    EXPECT_FALSE(plain.OnTimer());
    EXPECT_EQ(daily.Interval(), 86400000u);
    EXPECT_FALSE(plain.Enabled());
    EXPECT_FALSE(daily.Enabled());
    EXPECT_EQ(driver->setCalls, 0);
    EXPECT_EQ(driver->registered.size(), 2u);
    EXPECT_NE(plain.Id(), daily.Id());
}

TEST_F(SimpleTimerTest, StartRefusesAZeroIntervalAndRestartsARunningTimer) {
    TSimpleTimer timer(driver, 0, [this] { ++ticks; });
    EXPECT_FALSE(timer.Start());
    timer.SetEnabled(true);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(driver->setCalls, 0);

    timer.SetInterval(50);
    EXPECT_TRUE(timer.Start());
    EXPECT_TRUE(timer.Start());
    EXPECT_EQ(driver->killCalls, 1);  // the running one was stopped first
    EXPECT_EQ(driver->setCalls, 2);
    EXPECT_TRUE(driver->IsRunning(timer));
}

TEST_F(SimpleTimerTest, RefusedByThePlatformItStaysDisabled) {
    driver->refuse = true;
    TSimpleTimer timer(driver, 100, nullptr);
    EXPECT_FALSE(timer.Start());
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(SimpleTimerTest, IntervalChangesRestartOrPauseARunningTimer) {
    TSimpleTimer timer(driver, 100, [this] { ++ticks; });
    timer.SetInterval(200);  // not running: only stored
    EXPECT_FALSE(driver->IsRunning(timer));
    timer.SetEnabled(true);
    EXPECT_EQ(driver->RunningInterval(timer), 200u);

    const int setsBefore = driver->setCalls;
    timer.SetInterval(200);
    EXPECT_EQ(driver->setCalls, setsBefore);

    timer.SetInterval(300);
    EXPECT_EQ(driver->RunningInterval(timer), 300u);

    timer.SetInterval(0);
    EXPECT_FALSE(driver->IsRunning(timer));
    EXPECT_TRUE(timer.Enabled());
    timer.SetInterval(400);
    EXPECT_EQ(driver->RunningInterval(timer), 400u);
}

TEST_F(SimpleTimerTest, RemovingTheHandlerPausesARunningTimer) {
    TSimpleTimer timer(driver, 100, [this] { ++ticks; });
    timer.SetEnabled(true);
    timer.SetOnTimer(nullptr);
    EXPECT_FALSE(driver->IsRunning(timer));
    EXPECT_TRUE(timer.Enabled());
    timer.SetOnTimer([this] { ++ticks; });
    EXPECT_FALSE(driver->IsRunning(timer));  // a new handler does not start it
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(SimpleTimerTest, TicksRunTheHandlerEvenWhenItFreesItsOwnTimer) {
    auto timer = std::make_unique<TSimpleTimer>(driver, 100, nullptr);
    TSimpleTimer* raw = timer.get();
    timer->SetOnTimer([&] {
        ++ticks;
        timer.reset();
    });
    timer->SetEnabled(true);
    EXPECT_TRUE(driver->Tick(*raw));
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(timer, nullptr);
    EXPECT_TRUE(driver->running.empty());
    EXPECT_TRUE(driver->registered.empty());
}

TEST_F(SimpleTimerTest, DestructionStopsAndUnregisters) {
    {
        TSimpleTimer timer(driver, 100, [this] { ++ticks; });
        timer.SetEnabled(true);
    }
    EXPECT_TRUE(driver->running.empty());
    EXPECT_TRUE(driver->registered.empty());
}

}  // namespace
}  // namespace natalo
