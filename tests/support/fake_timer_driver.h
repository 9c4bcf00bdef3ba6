// A timer driver that runs no clock: a test sees which timers run with which interval and
// lets a running timer tick when it chooses.
#pragma once

#include <cstdint>
#include <map>
#include <set>

#include "trayicon/simple_timer.h"

namespace natalo::testing {

class FakeTimerDriver : public TimerDriver {
  public:
    void Register(TSimpleTimer& timer) override { registered.insert(&timer); }
    void Unregister(TSimpleTimer& timer) override { registered.erase(&timer); }
    bool SetTimer(std::uintptr_t id, std::uint32_t intervalMs) override {
        ++setCalls;
        if (refuse)
            return false;
        running[id] = intervalMs;
        return true;
    }
    void KillTimer(std::uintptr_t id) override {
        ++killCalls;
        running.erase(id);
    }

    bool IsRunning(const TSimpleTimer& timer) const { return running.contains(timer.Id()); }
    std::uint32_t RunningInterval(const TSimpleTimer& timer) const {
        auto found = running.find(timer.Id());
        return found == running.end() ? 0 : found->second;
    }
    // One period of a running timer has passed; false (and no tick) when it is not running.
    bool Tick(TSimpleTimer& timer) {
        if (!IsRunning(timer))
            return false;
        timer.Elapsed();
        return true;
    }

    std::set<TSimpleTimer*> registered;
    std::map<std::uintptr_t, std::uint32_t> running;
    int setCalls = 0;
    int killCalls = 0;
    bool refuse = false;
};

}  // namespace natalo::testing
