#include "ui/label.h"

namespace natalo::ui {

void PaintParentBackground(HWND child, HDC dc) {
    HWND parent = ::GetParent(child);
    if (!parent)
        return;
    POINT origin{0, 0};
    ::MapWindowPoints(child, parent, &origin, 1);
    POINT previous{};
    ::OffsetWindowOrgEx(dc, origin.x, origin.y, &previous);
    ::SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                   PRF_CLIENT | PRF_ERASEBKGND);
    ::SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
}

Label::Label(Window& parent, const Bounds& bounds, const std::string& text, bool autoSize)
    : Label(parent, bounds, text, autoSize, Role::Text) {}

Label::Label(Window& parent, const Bounds& bounds, const std::string& text, bool autoSize,
             Role role)
    : Control(parent, bounds, text, role == Role::Command ? "BUTTON" : ClassName(),
              role == Role::Command ? BS_OWNERDRAW | WS_TABSTOP : 0, 0,
              role == Role::Command ? Kind::Standard : Kind::Own),
      role_(role),
      font_(InheritedFont()),
      textColour_(::GetSysColor(COLOR_WINDOWTEXT)),
      autoSize_(autoSize) {
    AdjustSize();
}

const char* Label::ClassName() {
    static constexpr char kClass[] = "NataloLabel";
    RegisterOwnClass(kClass, CS_DBLCLKS, IDC_ARROW);
    return kClass;
}

void Label::SetTextColour(COLORREF colour) {
    textColour_ = colour;
    Invalidate();
}

void Label::SetBackground(std::optional<COLORREF> colour) {
    background_ = colour;
    Invalidate();
}

void Label::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void Label::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    AdjustSize();
    Invalidate();
}

void Label::SetAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void Label::SetShowAccelChar(bool show) {
    showAccelChar_ = show;
    AdjustSize();
    Invalidate();
}

COLORREF Label::CurrentTextColour() const {
    return Enabled() ? textColour_ : ::GetSysColor(COLOR_GRAYTEXT);
}

UINT Label::DrawFormat() const {
    UINT format = wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
    if (!showAccelChar_)
        format |= DT_NOPREFIX;
    if (alignment_ == TextAlignment::Center)
        format |= DT_CENTER;
    if (alignment_ == TextAlignment::Right)
        format |= DT_RIGHT;
    return format;
}

void Label::CentreBetween(int left, int width) {
    centreSpan_ = Span{left, width};
    AdjustSize();
}

Bounds Label::DeviceBounds() const {
    Bounds bounds = Control::DeviceBounds();
    if (!autoSize_ || !Exists())
        return bounds;
    std::string text = Text();
    // An empty label keeps the height of a line, as if it held a blank.
    if (text.empty() || (showAccelChar_ && text == "&"))
        text += ' ';
    SIZE size = MeasureText(font_ ? font_ : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)),
                            text, DrawFormat(), bounds.width);
    if (!wordWrap_)
        bounds.width = size.cx;
    bounds.height = size.cy;
    if (centreSpan_)
        bounds.left = Scaled(centreSpan_->left) + (Scaled(centreSpan_->width) - bounds.width) / 2;
    return bounds;
}

void Label::PaintTo(HDC dc) {
    RECT client = ClientRect();
    if (background_) {
        FillSolid(dc, client, *background_);
    } else {
        PaintParentBackground(Handle(), dc);
    }
    std::string text = Text();
    SelectedObject font(dc, font_ ? font_ : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, CurrentTextColour());
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, DrawFormat());
    if (ShowsFocusCue())
        ::DrawFocusRect(dc, &client);
}

void Label::Clicked() {
    if (onClick_)
        onClick_();
}

void Label::ActivateByKeyboard() {
    if (role_ == Role::Command)
        Clicked();
}

bool Label::HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (role_ != Role::Command)
        return false;
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const RECT client = ClientRect();
        OffscreenCanvas canvas(item.hDC, client.right, client.bottom);
        PaintTo(canvas.dc());
        canvas.CopyTo(item.hDC);
        result = TRUE;
        return true;
    }
    return HandleClickNotification(message, wParam, onClick_, result);
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            AdjustSize();
            if (LOWORD(lParam))
                Invalidate();
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SETTEXT: {
            LRESULT result = DefaultHandling(message, wParam, lParam);
            AdjustSize();
            Invalidate();
            return result;
        }
        default:
            break;
    }
    if (role_ == Role::Text)
        return HandleTextMessage(message, wParam, lParam);
    // A command: the button presses and clicks; it is drawn at WM_DRAWITEM.
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PRINTCLIENT:
            PaintTo(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_GETDLGCODE:
            // A push button to the dialog manager, so Enter on it arrives as the form's IDOK.
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        default:
            return Control::HandleMessage(message, wParam, lParam);
    }
}

LRESULT Label::HandleTextMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (HandleOwnPainting(message, wParam, [this](HDC dc) { PaintTo(dc); }))
        return message == WM_ERASEBKGND ? 1 : 0;
    switch (message) {
        case WM_ENABLE:
            Invalidate();
            return 0;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            ::SetCapture(Handle());
            return 0;
        case WM_LBUTTONUP: {
            if (!pressed_)
                return 0;
            pressed_ = false;
            ::ReleaseCapture();
            POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            RECT client = ClientRect();
            if (::PtInRect(&client, point))
                Clicked();
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        default:
            return Control::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace natalo::ui
