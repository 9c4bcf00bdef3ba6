// A radio button. Buttons created one after the other form a group: the first of a group
// is created with `startsGroup` (WS_GROUP), and checking one unchecks the others of its
// group. Its background is the form's, so it sits transparently on the form.
#pragma once

#include <functional>

#include "ui/control.h"

namespace natalo::ui {

class RadioButton : public Control {
  public:
    // A width of 0 sizes the button to its caption.
    RadioButton(Window& parent, const Bounds& bounds, const std::string& caption,
                bool startsGroup = false);

    bool Checked() const;
    // Checks this button (unchecking the rest of its group) or clears it.
    void SetChecked(bool checked);
    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }

  protected:
    // Sized to the caption where the layout gives no size.
    Bounds DeviceBounds() const override;
    bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    std::function<void()> onClick_;
};

}  // namespace natalo::ui
