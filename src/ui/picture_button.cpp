#include "ui/picture_button.h"

#include "ui/display_dpi.h"
#include "ui/gdi.h"
#include "ui/label.h"

namespace natalo::ui {

PictureButton::PictureButton(Window& parent, const Bounds& bounds)
    : Control(parent, bounds, "", "BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0, Kind::Standard) {}

void PictureButton::SetIcon(HINSTANCE module, LPCSTR name, int layoutSize) {
    iconModule_ = module;
    iconName_ = name;
    iconSize_ = layoutSize;
    ReloadIcon();
}

void PictureButton::SetHint(const std::string& hint) {
    Control::SetHint(hint);
    SetText(hint);
}

void PictureButton::ReloadIcon() {
    icon_.reset(iconName_ ? LoadIconForSize(iconModule_, iconName_, Scaled(iconSize_)) : nullptr);
    Invalidate();
}

void PictureButton::DpiChanged(int oldDpi, int newDpi) {
    Control::DpiChanged(oldDpi, newDpi);
    ReloadIcon();
}

void PictureButton::Click() {
    if (onClick_)
        onClick_();
}

void PictureButton::PaintTo(HDC dc, bool pressed, bool focusCue) {
    RECT client = ClientRect();
    PaintParentBackground(Handle(), dc);
    const int shift = pressed ? Scaled(1) : 0;
    if (icon_) {
        const int size = Scaled(iconSize_);
        ::DrawIconEx(dc, (client.right - size) / 2 + shift, (client.bottom - size) / 2 + shift,
                     icon_.get(), size, size, 0, nullptr, DI_NORMAL);
    }
    if (focusCue)
        ::DrawFocusRect(dc, &client);
}

bool PictureButton::HandleNotification(UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result) {
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const RECT client = ClientRect();
        OffscreenCanvas canvas(item.hDC, client.right, client.bottom);
        PaintTo(canvas.dc(), (item.itemState & ODS_SELECTED) != 0, ShowsFocusCue());
        canvas.CopyTo(item.hDC);
        result = TRUE;
        return true;
    }
    return HandleClickNotification(message, wParam, onClick_, result);
}

LRESULT PictureButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETCURSOR:
            ::SetCursor(::LoadCursorA(nullptr, handCursor_ ? IDC_HAND : IDC_ARROW));
            return TRUE;
        case WM_ERASEBKGND:
            return 1;  // all of it is drawn at WM_DRAWITEM
        case WM_GETDLGCODE:
            // A push button to the dialog manager, so Enter on it arrives as the form's IDOK.
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case WM_PRINTCLIENT:
            PaintTo(reinterpret_cast<HDC>(wParam), false, false);
            return 0;
        default:
            return Control::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace natalo::ui
