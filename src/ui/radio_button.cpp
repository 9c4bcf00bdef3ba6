#include "ui/radio_button.h"

namespace natalo::ui {

RadioButton::RadioButton(Window& parent, const Bounds& bounds, const std::string& caption,
                         bool startsGroup)
    : Control(parent, bounds, caption, "BUTTON",
              BS_AUTORADIOBUTTON | (startsGroup ? WS_GROUP | WS_TABSTOP : 0), 0, Kind::Standard) {
    Place();
}

Bounds RadioButton::DeviceBounds() const {
    Bounds bounds = Control::DeviceBounds();
    if (bounds.width > 0 && bounds.height > 0)
        return bounds;
    const SIZE text = MeasureText(Font(), Text(), DT_SINGLELINE);
    constexpr int kCircleAndGap = 20;
    if (bounds.width <= 0)
        bounds.width = text.cx + Scaled(kCircleAndGap);
    if (bounds.height <= 0)
        bounds.height = text.cy + Scaled(4);
    return bounds;
}

bool RadioButton::Checked() const {
    return ::SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::SetChecked(bool checked) {
    if (!checked) {
        ::SendMessageA(Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
        return;
    }
    // BM_SETCHECK alone leaves the others of the group checked: clear them first.
    HWND parent = ::GetParent(Handle());
    HWND first = Handle();
    while (!(::GetWindowLongA(first, GWL_STYLE) & WS_GROUP)) {
        HWND previous = ::GetWindow(first, GW_HWNDPREV);
        if (!previous)
            break;
        first = previous;
    }
    for (HWND sibling = first; sibling; sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && (::GetWindowLongA(sibling, GWL_STYLE) & WS_GROUP))
            break;
        if (sibling != Handle() && ::GetParent(sibling) == parent) {
            ::SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    ::SendMessageA(Handle(), BM_SETCHECK, BST_CHECKED, 0);
}

bool RadioButton::HandleNotification(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    return HandleClickNotification(message, wParam, onClick_, result);
}

}  // namespace natalo::ui
