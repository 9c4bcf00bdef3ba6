#include "ui/group_box.h"

#include "ui/label.h"

namespace natalo::ui {

GroupBox::GroupBox(Window& parent, const Bounds& bounds, const std::string& caption)
    : Control(parent, bounds, caption, "BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
              Kind::Standard) {}

LRESULT GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // The box's children take the form's colours.
            return ::SendMessageA(::GetParent(Handle()), message, wParam, lParam);
        case WM_ERASEBKGND:
            // A group box paints only its frame; its inside shows the form's background
            // (the form clips its children, so nothing else would paint there).
            PaintParentBackground(Handle(), reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PRINTCLIENT:
            // A transparent child asks for what lies behind it: background, then frame.
            PaintParentBackground(Handle(), reinterpret_cast<HDC>(wParam));
            return Control::HandleMessage(message, wParam, lParam);
        default:
            return Control::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace natalo::ui
