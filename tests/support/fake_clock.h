// A clock that always shows the day a test chose.
#pragma once

#include "platform/clock.h"

namespace natalo::testing {

class FakeClock : public Clock {
  public:
    explicit FakeClock(CivilDate today = {2026, 12, 20}) : today_(today) {}
    CivilDate Today() const override { return today_; }
    void SetToday(CivilDate today) { today_ = today; }

  private:
    CivilDate today_;
};

}  // namespace natalo::testing
