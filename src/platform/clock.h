// Today's date comes in through this seam so that nothing depends on the real clock in
// tests. The Win32 clock reads GetLocalTime.
#pragma once

#include "platform/calendar.h"

namespace natalo {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual CivilDate Today() const = 0;
};

}  // namespace natalo
