// TSimpleTimerHandler: the one hidden window of the process that runs every TSimpleTimer
// with SetTimer and hands each WM_TIMER to the timer whose id it carries. It exists while
// at least one timer does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>

#include "trayicon/hidden_window.h"
#include "trayicon/simple_timer.h"

namespace natalo {

class TSimpleTimerHandler : public TimerDriver {
    struct Key {};

  public:
    // The shared handler, created by the first caller; freed when the last holder lets go.
    static std::shared_ptr<TSimpleTimerHandler> Instance();
    explicit TSimpleTimerHandler(Key);

    HWND Window() const { return window_.Handle(); }
    std::size_t TimerCount() const { return timers_.size(); }

    void Register(TSimpleTimer& timer) override;
    void Unregister(TSimpleTimer& timer) override;
    bool SetTimer(std::uintptr_t id, std::uint32_t intervalMs) override;
    void KillTimer(std::uintptr_t id) override;

  private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::map<std::uintptr_t, TSimpleTimer*> timers_;
    HiddenWindow window_;
};

// A timer of the shared handler: 1000 ms by default, not enabled.
std::unique_ptr<TSimpleTimer> MakeSimpleTimer(std::uint32_t intervalMs = 1000,
                                              TSimpleTimer::TimerEvent onTimer = nullptr);

}  // namespace natalo
