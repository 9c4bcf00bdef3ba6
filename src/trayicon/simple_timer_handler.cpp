#include "trayicon/simple_timer_handler.h"

namespace natalo {

std::shared_ptr<TSimpleTimerHandler> TSimpleTimerHandler::Instance() {
    static std::weak_ptr<TSimpleTimerHandler> shared;
    std::shared_ptr<TSimpleTimerHandler> handler = shared.lock();
    if (!handler) {
        handler = std::make_shared<TSimpleTimerHandler>(Key{});
        shared = handler;
    }
    return handler;
}

TSimpleTimerHandler::TSimpleTimerHandler(Key)
    : window_([this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
          return HandleMessage(window, message, wParam, lParam);
      }) {}

void TSimpleTimerHandler::Register(TSimpleTimer& timer) {
    timers_[timer.Id()] = &timer;
}

void TSimpleTimerHandler::Unregister(TSimpleTimer& timer) {
    timers_.erase(timer.Id());
}

bool TSimpleTimerHandler::SetTimer(std::uintptr_t id, std::uint32_t intervalMs) {
    return ::SetTimer(window_.Handle(), id, intervalMs, nullptr) != 0;
}

void TSimpleTimerHandler::KillTimer(std::uintptr_t id) {
    ::KillTimer(window_.Handle(), id);
}

LRESULT TSimpleTimerHandler::HandleMessage(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_TIMER) {
        // Only ids of living timers count: a tick that comes after its timer was freed, or
        // one posted from outside, reaches nobody.
        auto found = timers_.find(static_cast<std::uintptr_t>(wParam));
        if (found != timers_.end())
            found->second->Elapsed();
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

std::unique_ptr<TSimpleTimer> MakeSimpleTimer(std::uint32_t intervalMs,
                                              TSimpleTimer::TimerEvent onTimer) {
    return std::make_unique<TSimpleTimer>(TSimpleTimerHandler::Instance(), intervalMs,
                                          std::move(onTimer));
}

}  // namespace natalo
