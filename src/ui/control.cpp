#include "ui/control.h"

#include "ui/form.h"

namespace natalo::ui {
namespace {

// Ids above IDOK/IDCANCEL and the other dialog-manager ids, unique in the process.
int NextControlId() {
    static int next = 1000;
    if (next >= 0x7000)
        next = 1000;
    return next++;
}

}  // namespace

Control::Control(Window& parent, const Bounds& bounds, const std::string& text,
                 const char* className, DWORD style, DWORD exStyle, Kind kind)
    : id_(NextControlId()) {
    style |= WS_CHILD | WS_VISIBLE;
    if (kind == Kind::Own) {
        CreateOwn(className, exStyle, style, bounds, parent.Handle(),
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), text);
    } else {
        CreateSubclassed(className, exStyle, style, bounds, parent.Handle(), id_, text);
    }
    auto font = reinterpret_cast<HFONT>(::SendMessageA(parent.Handle(), WM_GETFONT, 0, 0));
    if (!font) {
        if (Form* form = Form::FromAnyWindow(parent.Handle()))
            font = form->Font();
    }
    inheritedFont_ = font;
    if (font)
        ::SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

Control::~Control() {
    DestroyHandle();
}

Form* Control::ParentForm() const {
    return Form::FromAnyWindow(Handle());
}

void Control::SetHint(const std::string& hint) {
    hint_ = hint;
    if (Form* form = ParentForm())
        form->Tooltips().SetTip(Handle(), hint);
}

void Control::SetFont(const FontSpec& font) {
    ::SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(CachedFont(font)), TRUE);
}

HFONT Control::Font() const {
    return reinterpret_cast<HFONT>(::SendMessageA(Handle(), WM_GETFONT, 0, 0));
}

void Control::SetVisible(bool visible) {
    ::ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
}

void Control::SetFocus() {
    ::SetFocus(Handle());
}

bool Control::Focused() const {
    return Exists() && ::GetFocus() == Handle();
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND:
            // Alt+letter typed in a control: the form's menu strip answers it, not the
            // system menu the default handling would look for.
            if ((wParam & 0xFFF0) == SC_KEYMENU) {
                if (Form* form = ParentForm()) {
                    return ::SendMessageA(form->Handle(), message, wParam, lParam);
                }
            }
            break;
        case WM_DESTROY:
            if (!hint_.empty()) {
                if (Form* form = ParentForm())
                    form->ForgetHint(Handle());
            }
            break;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

bool Control::HandleOwnPainting(UINT message, WPARAM wParam,
                                const std::function<void(HDC)>& paint) {
    switch (message) {
        case WM_PAINT: {
            PaintScope scope(Handle());
            const RECT client = ClientRect();
            OffscreenCanvas canvas(scope.dc(), client.right, client.bottom);
            paint(canvas.dc());
            canvas.CopyTo(scope.dc());
            return true;
        }
        case WM_PRINTCLIENT:
            paint(reinterpret_cast<HDC>(wParam));
            return true;
        case WM_ERASEBKGND:
            return true;
        default:
            return false;
    }
}

bool Control::HandleClickNotification(UINT message, WPARAM wParam,
                                      const std::function<void()>& onClick, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return false;
    if (onClick)
        onClick();
    result = 0;
    return true;
}

}  // namespace natalo::ui
