#include "preview/scroll_box.h"

#include "preview/scroll_bar_model.h"
#include "ui/display_dpi.h"
#include "ui/gdi.h"

namespace natalo {

void TControlScrollBar::SetPosition(int position) {
    const RECT client = owner_.ClientRect();
    const int extent = bar_ == SB_HORZ ? client.right : client.bottom;
    owner_.MoveTo(*this, showing_ ? ClampScrollPosition(position, range_, extent) : 0);
}

void TControlScrollBar::SetMargin(int margin) {
    if (margin == margin_)
        return;
    margin_ = margin;
    owner_.UpdateScrollRanges();
}

void TControlScrollBar::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    owner_.UpdateScrollRanges();
}

ScrollBox::ScrollBox(ui::Window& parent, const ui::Bounds& bounds, const char* className,
                     DWORD style)
    : Control(parent, bounds, "", className, style | WS_CLIPCHILDREN, 0, Kind::Own) {}

ScrollBox::~ScrollBox() = default;

void ScrollBox::EnableAutoRange() {
    if (autoRangeSuspended_ > 0 && --autoRangeSuspended_ == 0)
        UpdateScrollRanges();
}

PixelSize ScrollBox::ContentExtent() const {
    PixelSize extent;
    for (HWND child = ::GetWindow(Handle(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!(::GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))
            continue;
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
        extent.cx = std::max(extent.cx, SaturateToInt(std::int64_t{rect.right} + horz_.position_));
        extent.cy = std::max(extent.cy, SaturateToInt(std::int64_t{rect.bottom} + vert_.position_));
    }
    return extent;
}

COLORREF ScrollBox::BackgroundColor() const {
    return ::GetSysColor(COLOR_BTNFACE);
}

PixelSize ScrollBox::ScrollBarSizes() const {
    PixelSize bars{ui::SystemMetricForDpi(SM_CXVSCROLL, Dpi()),
                   ui::SystemMetricForDpi(SM_CYHSCROLL, Dpi())};
    // The box has no border: what its window has beyond the client area is its bars.
    const DWORD style = ::GetWindowLongA(Handle(), GWL_STYLE);
    const ui::Bounds window = GetBounds();
    const RECT client = ClientRect();
    if (style & WS_VSCROLL)
        bars.cx = window.width - client.right;
    if (style & WS_HSCROLL)
        bars.cy = window.height - client.bottom;
    return bars;
}

void ScrollBox::PaintFocusCue(HDC dc) const {
    if (!focusCueShown_)
        return;
    const RECT client = ClientRect();
    ::DrawFocusRect(dc, &client);
}

void ScrollBox::UpdateFocusCue() {
    const bool shown = ShowsFocusCue();
    if (shown == focusCueShown_)
        return;
    focusCueShown_ = shown;
    Invalidate();
    FocusCueChanged(shown);
}

void ScrollBox::UpdateScrollRanges() {
    if (autoRangeSuspended_ > 0 || updatingRanges_ || !Exists())
        return;
    updatingRanges_ = true;
    try {
        const PixelSize content = ContentExtent();
        horz_.range_ = AutoScrollRange(content.cx, horz_.margin_);
        vert_.range_ = AutoScrollRange(content.cy, vert_.margin_);

        // What the bars need is decided for the client area without any bar.
        const DWORD style = ::GetWindowLongA(Handle(), GWL_STYLE);
        const PixelSize bars = ScrollBarSizes();
        RECT client = ClientRect();
        const PixelSize full{client.right + ((style & WS_VSCROLL) ? bars.cx : 0),
                             client.bottom + ((style & WS_HSCROLL) ? bars.cy : 0)};
        const ScrollBarsShown needed = ScrollBarsNeeded({horz_.range_, vert_.range_}, full, bars,
                                                        horz_.visible_, vert_.visible_);
        horz_.showing_ = needed.horz;
        vert_.showing_ = needed.vert;
        if (needed.horz != ((style & WS_HSCROLL) != 0))
            ::ShowScrollBar(Handle(), SB_HORZ, needed.horz);
        if (needed.vert != ((style & WS_VSCROLL) != 0))
            ::ShowScrollBar(Handle(), SB_VERT, needed.vert);

        client = ClientRect();
        ApplyBar(horz_, client.right);
        ApplyBar(vert_, client.bottom);
    } catch (...) {
        updatingRanges_ = false;
        throw;
    }
    updatingRanges_ = false;
    if (resizePending_) {
        resizePending_ = false;
        Resized();
    }
}

void ScrollBox::ApplyBar(TControlScrollBar& bar, int clientExtent) {
    const int position =
        bar.showing_ ? ClampScrollPosition(bar.position_, bar.range_, clientExtent) : 0;
    MoveTo(bar, position);
    if (!bar.showing_)
        return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = bar.range_ - 1;
    info.nPage = static_cast<UINT>(std::max(0, clientExtent));
    info.nPos = bar.position_;
    ::SetScrollInfo(Handle(), bar.bar_, &info, FALSE);
    RedrawBarsLater();
}

// Drawing a bar at once costs milliseconds: while a long document is recorded its range
// changes with every page. The bars are drawn with the next paint instead, once.
void ScrollBox::RedrawBarsLater() {
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void ScrollBox::MoveTo(TControlScrollBar& bar, int position) {
    const int delta = bar.position_ - position;
    if (delta == 0)
        return;
    bar.position_ = position;
    const bool horizontal = bar.bar_ == SB_HORZ;
    ::ScrollWindowEx(Handle(), horizontal ? delta : 0, horizontal ? 0 : delta, nullptr, nullptr,
                     nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    if (bar.showing_) {
        ::SetScrollPos(Handle(), bar.bar_, position, FALSE);
        RedrawBarsLater();
    }
    if (focusCueShown_)
        Invalidate();  // the cue stays at the edge, it does not scroll with the content
    Scrolled();
}

void ScrollBox::ScrollMessage(TControlScrollBar& bar, unsigned code) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    ::GetScrollInfo(Handle(), bar.bar_, &info);
    const RECT client = ClientRect();
    const int page = bar.bar_ == SB_HORZ ? client.right : client.bottom;
    if (auto position = ScrollMessagePosition(code, bar.position_, bar.increment_, page, bar.range_,
                                              info.nTrackPos)) {
        bar.SetPosition(*position);
    }
}

LRESULT ScrollBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: {
            const LRESULT result = DefaultHandling(message, wParam, lParam);
            // Showing or hiding a bar while the ranges are computed resizes the client
            // area again: that resize is handled once they are done.
            resizePending_ = true;
            if (!updatingRanges_) {
                UpdateScrollRanges();
                if (resizePending_) {
                    resizePending_ = false;
                    Resized();
                }
            }
            return result;
        }
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (lParam == 0) {
                ScrollMessage(message == WM_HSCROLL ? horz_ : vert_, LOWORD(wParam));
                return 0;
            }
            break;
        case WM_ERASEBKGND: {
            const RECT client = ClientRect();
            ui::FillSolid(reinterpret_cast<HDC>(wParam), client, BackgroundColor());
            return 1;
        }
        case WM_PRINTCLIENT: {
            const RECT client = ClientRect();
            ui::FillSolid(reinterpret_cast<HDC>(wParam), client, BackgroundColor());
            PaintFocusCue(reinterpret_cast<HDC>(wParam));
            return 1;
        }
        case WM_PAINT: {
            ui::PaintScope paint(Handle());
            PaintFocusCue(paint.dc());
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE: {
            const LRESULT result = Control::HandleMessage(message, wParam, lParam);
            UpdateFocusCue();
            return result;
        }
        default:
            break;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace natalo
