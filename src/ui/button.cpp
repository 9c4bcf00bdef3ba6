#include "ui/button.h"

namespace natalo::ui {

Button::Button(Window& parent, const Bounds& bounds, const std::string& caption)
    : Control(parent, bounds, caption, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, Kind::Standard) {}

void Button::Click() {
    ::SendMessageA(Handle(), BM_CLICK, 0, 0);
}

bool Button::HandleNotification(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    return HandleClickNotification(message, wParam, onClick_, result);
}

}  // namespace natalo::ui
