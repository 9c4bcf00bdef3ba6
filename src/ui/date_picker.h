// A date entry field (SysDateTimePick32) in the user's short date format.
#pragma once

#include <functional>

#include "platform/calendar.h"
#include "ui/control.h"

namespace natalo::ui {

class DatePicker : public Control {
  public:
    DatePicker(Window& parent, const Bounds& bounds);

    CivilDate Date() const;
    void SetDate(const CivilDate& date);
    // The date as the control shows it (the user's short date format).
    std::string DisplayedText() const { return Text(); }
    void OnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

  protected:
    bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    std::function<void()> onChange_;
};

}  // namespace natalo::ui
