#include "ui/themed_frame.h"

#include <algorithm>
#include <cctype>

#include "ui/application.h"

namespace natalo::ui {
namespace {

constexpr int kButtonWidth = 40;
constexpr int kIconLeftGap = 8;
constexpr int kIconSize = 16;
constexpr int kMenuItemPadding = 9;

struct WindowSize {
    int width;
    int height;
};

WindowSize SizeOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

POINT ToWindowPoint(HWND window, POINT screenPoint) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {screenPoint.x - rect.left, screenPoint.y - rect.top};
}

bool Contains(const RECT& rect, POINT point) {
    return ::PtInRect(&rect, point) != FALSE;
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2) {
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
}

}  // namespace

ThemedFrame::ThemedFrame(FrameStyle style, BorderIcons icons, bool resizable)
    : style_(std::move(style)), icons_(icons), resizable_(resizable) {}

RECT ThemedFrame::MarginsAt(int dpi) const {
    const int border = ScaleToDpi(style_.borderWidth, dpi);
    return {border, border + ScaleToDpi(style_.titleHeight, dpi) + MenuStripHeightAt(dpi), border,
            border};
}

std::string ThemedFrame::CaptionText(HWND window) const {
    if (caption_)
        return *caption_;
    char text[512] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

int ThemedFrame::MenuStripHeightAt(int dpi) const {
    if (menuItems_.empty())
        return 0;
    return MeasureText(CachedFont(style_.menuFont, dpi), "Ag", DT_SINGLELINE).cy +
           ScaleToDpi(10, dpi);
}

void ThemedFrame::SetOpenMenuItem(HWND window, int index) {
    openMenuItem_ = index;
    Redraw(window);
}

int ThemedFrame::MenuItemForKey(char key) const {
    auto wanted = std::toupper(static_cast<unsigned char>(key));
    for (size_t index = 0; index < menuItems_.size(); ++index) {
        const std::string& caption = menuItems_[index];
        for (size_t at = 0; at + 1 < caption.size(); ++at) {
            if (caption[at] != '&')
                continue;
            if (caption[at + 1] == '&') {
                ++at;
                continue;
            }
            if (std::toupper(static_cast<unsigned char>(caption[at + 1])) == wanted) {
                return static_cast<int>(index);
            }
            break;
        }
    }
    return -1;
}

std::vector<FrameButton> ThemedFrame::VisibleButtons() const {
    std::vector<FrameButton> buttons;  // from the right edge leftwards
    if (icons_.close)
        buttons.push_back(FrameButton::Close);
    if (icons_.maximize)
        buttons.push_back(FrameButton::Maximize);
    if (icons_.minimize)
        buttons.push_back(FrameButton::Minimize);
    return buttons;
}

RECT ThemedFrame::TitleBandRect(HWND window) const {
    auto size = SizeOf(window);
    const int border = Px(style_.borderWidth);
    return {border, border, size.width - border, border + Px(style_.titleHeight)};
}

RECT ThemedFrame::ButtonRect(HWND window, FrameButton button) const {
    RECT band = TitleBandRect(window);
    if (button == FrameButton::SystemMenu) {
        if (!icons_.systemMenu)
            return {};
        return {band.left, band.top, band.left + Px(kIconLeftGap * 2 + kIconSize), band.bottom};
    }
    auto buttons = VisibleButtons();
    auto found = std::find(buttons.begin(), buttons.end(), button);
    if (found == buttons.end())
        return {};
    const int slot = static_cast<int>(found - buttons.begin());
    const int width = Px(kButtonWidth);
    const int right = band.right - slot * width;
    return {right - width, band.top, right, band.bottom};
}

RECT ThemedFrame::MenuItemRect(HWND window, int index) const {
    if (index < 0 || index >= static_cast<int>(menuItems_.size()))
        return {};
    RECT band = TitleBandRect(window);
    HFONT font = CachedFont(style_.menuFont, dpi_);
    int left = band.left + Px(4);
    for (int at = 0; at <= index; ++at) {
        int width = MeasureText(font, menuItems_[at], DT_SINGLELINE).cx + 2 * Px(kMenuItemPadding);
        if (at == index)
            return {left, band.bottom, left + width, band.bottom + MenuStripHeight()};
        left += width;
    }
    return {};
}

FrameButton ThemedFrame::ButtonAt(HWND window, POINT point) const {
    for (FrameButton button : {FrameButton::Close, FrameButton::Maximize, FrameButton::Minimize,
                               FrameButton::SystemMenu}) {
        if (Contains(ButtonRect(window, button), point))
            return button;
    }
    return FrameButton::None;
}

int ThemedFrame::MenuItemAt(HWND window, POINT point) const {
    for (int index = 0; index < static_cast<int>(menuItems_.size()); ++index) {
        if (Contains(MenuItemRect(window, index), point))
            return index;
    }
    return -1;
}

LRESULT ThemedFrame::HitTest(HWND window, POINT screenPoint) const {
    POINT point = ToWindowPoint(window, screenPoint);
    auto size = SizeOf(window);
    if (resizable_ && !::IsZoomed(window)) {
        int grip = Px(std::max(style_.borderWidth, 4));
        int corner = grip * 3;
        bool left = point.x < grip, right = point.x >= size.width - grip;
        bool top = point.y < grip, bottom = point.y >= size.height - grip;
        bool nearLeft = point.x < corner, nearRight = point.x >= size.width - corner;
        bool nearTop = point.y < corner, nearBottom = point.y >= size.height - corner;
        if ((top && nearLeft) || (left && nearTop))
            return HTTOPLEFT;
        if ((top && nearRight) || (right && nearTop))
            return HTTOPRIGHT;
        if ((bottom && nearLeft) || (left && nearBottom))
            return HTBOTTOMLEFT;
        if ((bottom && nearRight) || (right && nearBottom))
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (right)
            return HTRIGHT;
        if (top)
            return HTTOP;
        if (bottom)
            return HTBOTTOM;
    }
    switch (ButtonAt(window, point)) {
        case FrameButton::Close:
            return HTCLOSE;
        case FrameButton::Maximize:
            return HTMAXBUTTON;
        case FrameButton::Minimize:
            return HTMINBUTTON;
        case FrameButton::SystemMenu:
            return HTSYSMENU;
        case FrameButton::None:
            break;
    }
    if (Contains(TitleBandRect(window), point))
        return HTCAPTION;
    RECT margins = Margins();
    RECT strip{margins.left, margins.top - MenuStripHeight(), size.width - margins.right,
               margins.top};
    if (Contains(strip, point))
        return HTMENU;
    RECT client{margins.left, margins.top, size.width - margins.right,
                size.height - margins.bottom};
    if (Contains(client, point))
        return HTCLIENT;
    return HTBORDER;
}

bool ThemedFrame::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT& result, FrameHost& host) {
    switch (message) {
        case WM_NCCALCSIZE: {
            RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                : reinterpret_cast<RECT*>(lParam);
            RECT margins = Margins();
            rect->left += margins.left;
            rect->top += margins.top;
            rect->right = std::max(rect->left, rect->right - margins.right);
            rect->bottom = std::max(rect->top, rect->bottom - margins.bottom);
            result = 0;
            return true;
        }
        case WM_NCHITTEST:
            result = HitTest(
                window, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return true;
        case WM_NCPAINT: {
            WindowDc dc(window, WindowDc::Area::Whole);
            Paint(window, dc.dc());
            result = 0;
            return true;
        }
        case WM_NCACTIVATE:
            active_ = wParam != FALSE;
            Redraw(window);
            result = TRUE;
            return true;
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK: {
            POINT point = ToWindowPoint(
                window, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            if (wParam == HTMENU) {
                int item = MenuItemAt(window, point);
                if (item >= 0)
                    host.MenuStripItemChosen(item, false);
                result = 0;
                return true;
            }
            if (wParam == HTSYSMENU) {
                if (message == WM_NCLBUTTONDBLCLK) {
                    host.FrameButtonClicked(FrameButton::Close);
                } else {
                    host.FrameButtonClicked(FrameButton::SystemMenu);
                }
                result = 0;
                return true;
            }
            if (wParam == HTCLOSE || wParam == HTMINBUTTON || wParam == HTMAXBUTTON) {
                pressedButton_ = ButtonAt(window, point);
                pressedInside_ = true;
                tracking_ = true;
                ::SetCapture(window);
                Redraw(window);
                result = 0;
                return true;
            }
            return false;
        }
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            if (!tracking_)
                return false;
            POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ::ClientToScreen(window, &point);
            bool inside = ButtonAt(window, ToWindowPoint(window, point)) == pressedButton_;
            if (message == WM_MOUSEMOVE) {
                if (inside != pressedInside_) {
                    pressedInside_ = inside;
                    Redraw(window);
                }
            } else {
                FrameButton clicked = pressedButton_;
                tracking_ = false;
                pressedButton_ = FrameButton::None;
                ::ReleaseCapture();
                Redraw(window);
                if (inside)
                    host.FrameButtonClicked(clicked);  // may destroy the window
            }
            result = 0;
            return true;
        }
        case WM_CAPTURECHANGED:
            if (tracking_) {
                tracking_ = false;
                pressedButton_ = FrameButton::None;
                Redraw(window);
            }
            return false;
        case WM_NCMOUSEMOVE: {
            POINT point = ToWindowPoint(
                window, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            FrameButton hot = ButtonAt(window, point);
            if (hot == FrameButton::SystemMenu)
                hot = FrameButton::None;
            if (hot != hotButton_) {
                hotButton_ = hot;
                Redraw(window);
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, window, 0};
                ::TrackMouseEvent(&track);
            }
            return false;
        }
        case WM_NCMOUSELEAVE:
            if (hotButton_ != FrameButton::None) {
                hotButton_ = FrameButton::None;
                Redraw(window);
            }
            return false;
        default:
            return false;
    }
}

void ThemedFrame::Redraw(HWND window) {
    if (!::IsWindowVisible(window))
        return;
    WindowDc dc(window, WindowDc::Area::Whole);
    Paint(window, dc.dc());
}

void ThemedFrame::DrawButton(HDC dc, HWND window, FrameButton button, COLORREF band) const {
    RECT rect = ButtonRect(window, button);
    bool pressed = tracking_ && pressedButton_ == button && pressedInside_;
    bool hot = hotButton_ == button || (tracking_ && pressedButton_ == button);
    if (pressed) {
        FillSolid(
            dc, rect,
            button == FrameButton::Close ? RGB(176, 28, 38) : BlendColour(band, RGB(0, 0, 0), 50));
    } else if (hot) {
        FillSolid(dc, rect,
                  button == FrameButton::Close ? RGB(220, 48, 56)
                                               : BlendColour(band, RGB(255, 255, 255), 48));
    }
    UniquePen pen(::CreatePen(PS_SOLID, 1, style_.captionColour));
    SelectedObject selectedPen(dc, pen.get());
    const int cx = (rect.left + rect.right) / 2;
    const int cy = (rect.top + rect.bottom) / 2;
    const int half = Px(5);
    const int one = Px(1);
    switch (button) {
        case FrameButton::Close:
            for (int thick = 0; thick < Px(2); ++thick) {
                DrawLine(dc, cx - half + thick, cy - half, cx + half + thick, cy + half);
                DrawLine(dc, cx + half - one + thick, cy - half, cx - half - one + thick,
                         cy + half);
            }
            break;
        case FrameButton::Minimize:
            for (int line = 1; line <= Px(2); ++line)
                DrawLine(dc, cx - half, cy + line, cx + half + one, cy + line);
            break;
        case FrameButton::Maximize: {
            SelectedObject hollow(dc, ::GetStockObject(HOLLOW_BRUSH));
            if (::IsZoomed(window)) {
                const int back = Px(3), step = Px(2);
                ::Rectangle(dc, cx - half, cy - half + back, cx + half - step, cy + half + one);
                DrawLine(dc, cx - half + back, cy - half + step, cx - half + back, cy - half);
                DrawLine(dc, cx - half + back, cy - half, cx + half + one, cy - half);
                DrawLine(dc, cx + half, cy - half, cx + half, cy + half - step);
            } else {
                ::Rectangle(dc, cx - half, cy - half, cx + half + one, cy + half + one);
                DrawLine(dc, cx - half, cy - half + one, cx + half, cy - half + one);
            }
            break;
        }
        default:
            break;
    }
}

void ThemedFrame::Paint(HWND window, HDC target) {
    auto size = SizeOf(window);
    if (size.width <= 0 || size.height <= 0)
        return;
    OffscreenCanvas canvas(target, size.width, size.height);
    HDC dc = canvas.dc();
    RECT whole{0, 0, size.width, size.height};
    FillSolid(dc, whole, style_.borderColour);

    RECT band = TitleBandRect(window);
    COLORREF top = active_ ? style_.titleTop : style_.inactiveTitleTop;
    COLORREF bottom = active_ ? style_.titleBottom : style_.inactiveTitleBottom;
    FillVerticalGradient(dc, band, top, bottom);
    // A faint highlight line under the band's top edge gives it some depth.
    FillSolid(dc, {band.left, band.top, band.right, band.top + Px(1)},
              BlendColour(top, RGB(255, 255, 255), 40));

    int textLeft = band.left + Px(kIconLeftGap);
    if (style_.showIcon) {
        const int icon = Px(kIconSize);
        ::DrawIconEx(dc, textLeft, band.top + (band.bottom - band.top - icon) / 2,
                     ProgramIcon(icon), icon, icon, 0, nullptr, DI_NORMAL);
        textLeft += icon + Px(6);
    }
    int textRight = band.right - Px(4);
    for (FrameButton button : VisibleButtons()) {
        textRight = std::min<int>(textRight, ButtonRect(window, button).left - Px(4));
        DrawButton(dc, window, button, BlendColour(top, bottom, 128));
    }
    std::string caption = CaptionText(window);
    RECT textRect{textLeft, band.top, textRight, band.bottom};
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, style_.captionColour);
    {
        SelectedObject font(dc, CachedFont(style_.captionFont, dpi_));
        ::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect,
                    DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }

    if (int strip = MenuStripHeight(); strip > 0) {
        RECT stripRect{band.left, band.bottom, band.right, band.bottom + strip};
        FillSolid(dc, stripRect, style_.menuBackground);
        FillSolid(dc, {stripRect.left, stripRect.bottom - Px(1), stripRect.right, stripRect.bottom},
                  style_.menuLine);
        SelectedObject font(dc, CachedFont(style_.menuFont, dpi_));
        ::SetTextColor(dc, style_.menuText);
        for (int index = 0; index < static_cast<int>(menuItems_.size()); ++index) {
            RECT item = MenuItemRect(window, index);
            if (index == openMenuItem_) {
                FillSolid(dc, {item.left, item.top + Px(2), item.right, item.bottom - Px(3)},
                          style_.menuHot);
            }
            const std::string& text = menuItems_[index];
            ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &item,
                        DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
    }

    if (style_.cornerRadius > 0 && style_.borderWidth > 0) {
        const int diameter = Px(style_.cornerRadius * 2);
        const int border = Px(style_.borderWidth);
        UniqueRegion outline(
            ::CreateRoundRectRgn(0, 0, size.width + 1, size.height + 1, diameter, diameter));
        ::FrameRgn(dc, outline.get(), CachedBrush(style_.borderColour), border, border);
    }

    RECT margins = Margins();
    int saved = ::SaveDC(target);
    ::ExcludeClipRect(target, margins.left, margins.top, size.width - margins.right,
                      size.height - margins.bottom);
    canvas.CopyTo(target);
    ::RestoreDC(target, saved);
}

void ThemedFrame::ApplyCorners(HWND window) const {
    if (style_.cornerRadius <= 0)
        return;
    auto size = SizeOf(window);
    const int diameter = Px(style_.cornerRadius * 2);
    UniqueRegion region(
        ::CreateRoundRectRgn(0, 0, size.width + 1, size.height + 1, diameter, diameter));
    // The system owns the region once it is set.
    if (::SetWindowRgn(window, region.get(), TRUE))
        region.release();
}

}  // namespace natalo::ui
