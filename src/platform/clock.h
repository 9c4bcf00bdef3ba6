// Today's date and the present moment come in through this seam so that nothing depends on
// the real clock in tests. The Win32 clock reads GetLocalTime and GetSystemTime.
#pragma once

#include "platform/calendar.h"

namespace natalo {

// A moment in UTC, to the second.
struct UtcTime {
    CivilDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    // The local date.
    virtual CivilDate Today() const = 0;
    virtual UtcTime UtcNow() const = 0;
};

}  // namespace natalo
