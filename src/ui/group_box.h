// A framed box with a caption. Controls may be created on it (pass the group box as their
// parent); their notifications still reach them, and Tab moves into them.
#pragma once

#include "ui/control.h"

namespace natalo::ui {

class GroupBox : public Control {
  public:
    GroupBox(Window& parent, const Bounds& bounds, const std::string& caption);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace natalo::ui
