#include "trayicon/simple_timer.h"

#include <utility>

namespace natalo {

TSimpleTimer::TSimpleTimer(std::shared_ptr<TimerDriver> driver)
    : TSimpleTimer(std::move(driver), 1000, nullptr) {}

TSimpleTimer::TSimpleTimer(std::shared_ptr<TimerDriver> driver, std::uint32_t intervalMs,
                           TimerEvent onTimer)
    : driver_(std::move(driver)), interval_(intervalMs), onTimer_(std::move(onTimer)) {
    driver_->Register(*this);
}

TSimpleTimer::~TSimpleTimer() {
    if (enabled_)
        Stop(true);
    driver_->Unregister(*this);
}

void TSimpleTimer::SetEnabled(bool enabled) {
    if (enabled)
        Start();
    else
        Stop(true);
}

void TSimpleTimer::SetInterval(std::uint32_t intervalMs) {
    if (intervalMs == interval_)
        return;
    interval_ = intervalMs;
    if (!enabled_)
        return;
    if (interval_ != 0)
        Start();
    else
        Stop(false);
}

void TSimpleTimer::SetOnTimer(TimerEvent onTimer) {
    onTimer_ = std::move(onTimer);
    if (!onTimer_ && enabled_)
        Stop(false);
}

bool TSimpleTimer::Start() {
    if (interval_ == 0)
        return false;
    if (enabled_)
        Stop(true);
    const bool started = driver_->SetTimer(Id(), interval_);
    if (started)
        enabled_ = true;
    return started;
}

void TSimpleTimer::Stop(bool clearEnabled) {
    if (clearEnabled)
        enabled_ = false;
    driver_->KillTimer(Id());
}

void TSimpleTimer::Elapsed() {
    // A copy: the handler may replace itself or free the timer.
    TimerEvent handler = onTimer_;
    if (handler)
        handler();
}

}  // namespace natalo
