// How long a test waits for something that normally takes a moment (a window to show, a
// process to end, a file to appear): long enough for a machine busy with other work. A
// wait ends as soon as its condition holds, so only a failing test waits this long.
#pragma once

#include <chrono>

namespace natalo::testing {

inline constexpr std::chrono::milliseconds kPatience = std::chrono::seconds(30);

}  // namespace natalo::testing
