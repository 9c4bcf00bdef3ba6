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
    : id_(NextControlId()), layout_(bounds) {
    style |= WS_CHILD | WS_VISIBLE;
    const Bounds device = parent.Scaled(bounds);
    if (kind == Kind::Own) {
        CreateOwn(className, exStyle, style, device, parent.Handle(),
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), text);
    } else {
        CreateSubclassed(className, exStyle, style, device, parent.Handle(), id_, text);
    }
    HFONT font = CachedFont(FontDescription(), Dpi());
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
    font_ = font;
    ::SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(CachedFont(font, Dpi())), TRUE);
}

FontSpec Control::FontDescription() const {
    if (font_)
        return *font_;
    HWND parent = ::GetParent(Handle());
    if (auto* control = dynamic_cast<Control*>(Window::FromHandle(parent)))
        return control->FontDescription();
    if (Form* form = Form::FromAnyWindow(parent))
        return form->FontDescription();
    return {};
}

void Control::SetLayoutBounds(const Bounds& layout) {
    layout_ = layout;
    Place();
}

void Control::SetDeviceBounds(const Bounds& device) {
    placedByOwner_ = true;
    if (Exists() && device != GetBounds())
        SetBounds(device);
}

Bounds Control::DeviceBounds() const {
    return placedByOwner_ ? GetBounds() : Scaled(layout_);
}

void Control::Place() {
    if (!Exists())
        return;
    // Moving a window costs a trip to the window system: only a new place is set.
    if (const Bounds device = DeviceBounds(); device != GetBounds())
        SetBounds(device);
}

void Control::DpiChanged(int, int newDpi) {
    ::SendMessageA(Handle(), WM_SETFONT,
                   reinterpret_cast<WPARAM>(CachedFont(FontDescription(), newDpi)), FALSE);
    Place();
    Invalidate();
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

bool Control::ShowsFocusCue() const {
    const Form* form = ParentForm();
    return Focused() && form && form->ShowsFocusCues();
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
        case WM_SETFOCUS:
            // The form gives the focus back here after a modal window, also when this
            // control was disabled meanwhile (the command that opened it did so).
            if (Form* form = ParentForm())
                form->ControlFocused(Handle());
            break;
        case WM_UPDATEUISTATE: {
            // Focus cues appear or go with the keyboard's use: controls drawn here repaint.
            const LRESULT result = DefaultHandling(message, wParam, lParam);
            Invalidate();
            return result;
        }
        case WM_DESTROY:
            // A hint, or a tip over the control's area while it is disabled.
            if (Form* form = ParentForm())
                form->ForgetHint(Handle());
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
