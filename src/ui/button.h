// A standard push button: a caption with an & mnemonic, a click handler.
#pragma once

#include <functional>

#include "ui/control.h"

namespace natalo::ui {

class Button : public Control {
  public:
    Button(Window& parent, const Bounds& bounds, const std::string& caption);

    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    // Presses the button as a click would (BM_CLICK).
    void Click();
    void ActivateByKeyboard() override { Click(); }

  protected:
    bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    std::function<void()> onClick_;
};

}  // namespace natalo::ui
