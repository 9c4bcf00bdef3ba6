#include "ui/group_box.h"

namespace natalo::ui {

GroupBox::GroupBox(Window& parent, const Bounds& bounds, const std::string& caption)
    : Control(parent, bounds, caption, "BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
              Kind::Standard) {}

LRESULT GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The box's children take the form's colours.
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        return ::SendMessageA(::GetParent(Handle()), message, wParam, lParam);
    }
    return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace natalo::ui
