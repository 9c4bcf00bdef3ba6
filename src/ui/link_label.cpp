#include "ui/link_label.h"

namespace natalo::ui {

LinkLabel::LinkLabel(Window& parent, const Bounds& bounds, const std::string& text)
    : Label(parent, bounds, text, /*autoSize=*/true, Role::Command) {
    SetTextColour(RGB(0, 0, 255));
    SetFont(FontDescription().Underlined());
}

void LinkLabel::SetHoverColour(std::optional<COLORREF> colour) {
    hoverColour_ = colour;
    Invalidate();
}

COLORREF LinkLabel::CurrentTextColour() const {
    if (hovered_ && hoverColour_ && Enabled())
        return *hoverColour_;
    return Label::CurrentTextColour();
}

LRESULT LinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETCURSOR:
            ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
            return TRUE;
        case WM_MOUSEMOVE:
            if (!hovered_) {
                hovered_ = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
                ::TrackMouseEvent(&track);
                Invalidate();
            }
            break;
        case WM_MOUSELEAVE:
            hovered_ = false;
            Invalidate();
            return 0;
        default:
            break;
    }
    return Label::HandleMessage(message, wParam, lParam);
}

}  // namespace natalo::ui
