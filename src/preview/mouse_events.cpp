#include "preview/mouse_events.h"

namespace natalo {

bool MouseDispatch::IsPress(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return true;
        default:
            return false;
    }
}

bool MouseDispatch::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    const auto keys = static_cast<unsigned>(wParam);
    const auto press = [&](TMouseButton button) {
        ::SetCapture(window);
        if (events_.OnMouseDown)
            events_.OnMouseDown(button, keys, x, y);
    };
    const auto release = [&](TMouseButton button) {
        const bool clicked = button == mbLeft && leftPressed_;
        if (button == mbLeft)
            leftPressed_ = false;
        if ((keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && ::GetCapture() == window)
            ::ReleaseCapture();
        RECT client{};
        ::GetClientRect(window, &client);
        if (clicked && ::PtInRect(&client, POINT{x, y}) && events_.OnClick)
            events_.OnClick();
        if (events_.OnMouseUp)
            events_.OnMouseUp(button, keys, x, y);
    };
    switch (message) {
        case WM_LBUTTONDOWN:
            leftPressed_ = true;
            press(mbLeft);
            return true;
        case WM_LBUTTONDBLCLK:
            if (events_.OnDblClick)
                events_.OnDblClick();
            press(mbLeft);
            return true;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            press(mbRight);
            return true;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            press(mbMiddle);
            return true;
        case WM_LBUTTONUP:
            release(mbLeft);
            return true;
        case WM_RBUTTONUP:
            release(mbRight);
            return false;
        case WM_MBUTTONUP:
            release(mbMiddle);
            return true;
        case WM_MOUSEMOVE:
            if (events_.OnMouseMove)
                events_.OnMouseMove(keys, x, y);
            return true;
        case WM_CAPTURECHANGED:
            leftPressed_ = false;
            return false;
        default:
            return false;
    }
}

}  // namespace natalo
