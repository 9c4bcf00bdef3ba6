#include "ui/radio_button.h"

namespace natalo::ui {
namespace {

Bounds SizedToCaption(Bounds bounds, HWND parent, const std::string& caption) {
    if (bounds.width > 0 && bounds.height > 0)
        return bounds;
    auto font = reinterpret_cast<HFONT>(::SendMessageA(parent, WM_GETFONT, 0, 0));
    SIZE text = MeasureText(font ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)),
                            caption, DT_SINGLELINE);
    constexpr int kCircleAndGap = 20;
    if (bounds.width <= 0)
        bounds.width = text.cx + kCircleAndGap;
    if (bounds.height <= 0)
        bounds.height = text.cy + 4;
    return bounds;
}

}  // namespace

RadioButton::RadioButton(Window& parent, const Bounds& bounds, const std::string& caption,
                         bool startsGroup)
    : Control(parent, SizedToCaption(bounds, parent.Handle(), caption), caption, "BUTTON",
              BS_AUTORADIOBUTTON | (startsGroup ? WS_GROUP | WS_TABSTOP : 0), 0, Kind::Standard) {}

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
