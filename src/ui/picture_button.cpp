#include "ui/picture_button.h"

#include "ui/label.h"

namespace natalo::ui {

const char* PictureButton::ClassName() {
    static constexpr char kClass[] = "NataloPictureButton";
    RegisterOwnClass(kClass, 0, IDC_ARROW);
    return kClass;
}

PictureButton::PictureButton(Window& parent, const Bounds& bounds, bool tabStop)
    : Control(parent, bounds, "", ClassName(), tabStop ? WS_TABSTOP : 0, 0, Kind::Own) {}

void PictureButton::SetIcon(HICON icon) {
    icon_ = icon;
    bitmap_ = nullptr;
    Invalidate();
}

void PictureButton::SetBitmap(HBITMAP bitmap) {
    bitmap_ = bitmap;
    icon_ = nullptr;
    Invalidate();
}

void PictureButton::Click() {
    if (onClick_)
        onClick_();
}

void PictureButton::PaintTo(HDC dc) {
    RECT client = ClientRect();
    PaintParentBackground(Handle(), dc);
    int shift = pressed_ && pressedInside_ ? 1 : 0;
    if (icon_) {
        ICONINFO info{};
        int width = 32, height = 32;
        if (::GetIconInfo(icon_, &info)) {
            BITMAP bitmap{};
            if (::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap,
                             &bitmap)) {
                width = bitmap.bmWidth;
                height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
            }
            if (info.hbmColor)
                ::DeleteObject(info.hbmColor);
            if (info.hbmMask)
                ::DeleteObject(info.hbmMask);
        }
        ::DrawIconEx(dc, (client.right - width) / 2 + shift, (client.bottom - height) / 2 + shift,
                     icon_, width, height, 0, nullptr, DI_NORMAL);
    } else if (bitmap_) {
        BITMAP info{};
        ::GetObjectA(bitmap_, sizeof info, &info);
        UniqueMemoryDc source(::CreateCompatibleDC(dc));
        SelectedObject selected(source.get(), bitmap_);
        ::BitBlt(dc, (client.right - info.bmWidth) / 2 + shift,
                 (client.bottom - info.bmHeight) / 2 + shift, info.bmWidth, info.bmHeight,
                 source.get(), 0, 0, SRCCOPY);
    }
    if (Focused())
        ::DrawFocusRect(dc, &client);
}

LRESULT PictureButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (HandleOwnPainting(message, wParam, [this](HDC dc) { PaintTo(dc); }))
        return message == WM_ERASEBKGND ? 1 : 0;
    switch (message) {
        case WM_SETCURSOR:
            ::SetCursor(::LoadCursorA(nullptr, handCursor_ ? IDC_HAND : IDC_ARROW));
            return TRUE;
        case WM_GETDLGCODE:
            // A button to the dialog manager, so Enter on it arrives as the form's IDOK.
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Invalidate();
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE)
                Click();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = true;
            pressedInside_ = true;
            if (::GetWindowLongA(Handle(), GWL_STYLE) & WS_TABSTOP)
                ::SetFocus(Handle());
            ::SetCapture(Handle());
            Invalidate();
            return 0;
        case WM_MOUSEMOVE:
            if (pressed_) {
                POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                RECT client = ClientRect();
                bool inside = ::PtInRect(&client, point) != FALSE;
                if (inside != pressedInside_) {
                    pressedInside_ = inside;
                    Invalidate();
                }
            }
            return 0;
        case WM_LBUTTONUP: {
            if (!pressed_)
                return 0;
            bool inside = pressedInside_;
            pressed_ = false;
            ::ReleaseCapture();
            Invalidate();
            if (inside)
                Click();
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (pressed_) {
                pressed_ = false;
                Invalidate();
            }
            return 0;
        default:
            return Control::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace natalo::ui
