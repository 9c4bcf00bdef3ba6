// TSimpleTimer: a periodic timer that keeps its own interval, enabled state and handler,
// and leaves the actual ticking to a timer driver (on Windows one hidden window that all
// timers of the process share, TSimpleTimerHandler).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace natalo {

class TSimpleTimer;

// What a timer needs from the platform. The driver knows every living timer, so that a
// tick under an id reaches its timer and a stray id reaches nobody.
class TimerDriver {
  public:
    virtual ~TimerDriver() = default;
    virtual void Register(TSimpleTimer& timer) = 0;
    virtual void Unregister(TSimpleTimer& timer) = 0;
    // Starts (or restarts) a periodic timer under the id; false when the platform refused.
    virtual bool SetTimer(std::uintptr_t id, std::uint32_t intervalMs) = 0;
    virtual void KillTimer(std::uintptr_t id) = 0;
};

class TSimpleTimer {
  public:
    using TimerEvent = std::function<void()>;

    // 1000 ms, no handler, not enabled.
    explicit TSimpleTimer(std::shared_ptr<TimerDriver> driver);
    // The given interval and handler, not enabled.
    TSimpleTimer(std::shared_ptr<TimerDriver> driver, std::uint32_t intervalMs, TimerEvent onTimer);
    ~TSimpleTimer();
    TSimpleTimer(const TSimpleTimer&) = delete;
    TSimpleTimer& operator=(const TSimpleTimer&) = delete;

    // The id under which the driver runs this timer: unique while the timer lives.
    std::uintptr_t Id() const { return reinterpret_cast<std::uintptr_t>(this); }

    bool Enabled() const { return enabled_; }
    // True starts the timer, false stops it.
    void SetEnabled(bool enabled);

    std::uint32_t Interval() const { return interval_; }
    // A running timer restarts with a new non-zero interval; 0 stops it but leaves it
    // enabled, so that a later non-zero interval starts it again.
    void SetInterval(std::uint32_t intervalMs);

    const TimerEvent& OnTimer() const { return onTimer_; }
    // Removing the handler of a running timer stops it (it stays enabled).
    void SetOnTimer(TimerEvent onTimer);

    // Refuses an interval of 0. Restarts a running timer. Returns whether it runs.
    bool Start();
    void Stop(bool clearEnabled);

    // Called by the driver when a period has passed.
    void Elapsed();

  private:
    std::shared_ptr<TimerDriver> driver_;
    bool enabled_ = false;
    std::uint32_t interval_;
    TimerEvent onTimer_;
};

}  // namespace natalo
