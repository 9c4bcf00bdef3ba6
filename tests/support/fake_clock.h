// A clock that always shows the day a test chose (at noon UTC).
#pragma once

#include "platform/clock.h"

namespace natalo::testing {

class FakeClock : public Clock {
  public:
    explicit FakeClock(CivilDate today = {2026, 12, 20}) : today_(today) {}
    CivilDate Today() const override { return today_; }
    UtcTime UtcNow() const override { return {today_, 12, 0, 0}; }
    void SetToday(CivilDate today) { today_ = today; }

  private:
    CivilDate today_;
};

}  // namespace natalo::testing
