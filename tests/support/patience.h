// How long a test waits for something that normally takes a moment (a window to show, a
// process to end, a file to appear): long enough for a machine busy with other work. A
// wait ends as soon as its condition holds, so only a failing test waits this long.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace natalo::testing {

inline constexpr std::chrono::milliseconds kPatience = std::chrono::seconds(30);

// Runs a predicate until it holds or the time is up; returns whether it held.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = kPatience) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace natalo::testing
