#include "preview/paper_sheet.h"

#include <exception>

#include "preview/screen_cursors.h"
#include "ui/form.h"
#include "ui/gdi.h"
#include "ui/menu.h"

namespace natalo {
namespace {

// How far inside the page area the focus rectangle runs, clear of the border.
constexpr int kFocusCueInset = 2;

}  // namespace

COLORREF ColorToRGB(TColor color) {
    if (color & kSystemColorBit)
        return ::GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

TPaperSheet::TPaperSheet(ui::Window& parent, const ui::Bounds& bounds)
    : Control(parent, bounds, "", ClassName(), 0, 0, Kind::Own) {
    // The WM_SIZE of creation came before this object was complete.
    ResizeBitmap();
}

const char* TPaperSheet::ClassName() {
    static constexpr char kClass[] = "NataloPaperSheet";
    // A new size is drawn anew as a whole, not only where the window grew.
    RegisterOwnClass(kClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW);
    return kClass;
}

SIZE TPaperSheet::Size() const {
    const RECT client = ClientRect();
    return {client.right, client.bottom};
}

void TPaperSheet::ChangeFrameColor(TColor& field, TColor color) {
    if (field == color)
        return;
    field = color;
    frameDrawn_ = false;
    Invalidate();
}

void TPaperSheet::SetPaperColor(TColor color) {
    ChangeFrameColor(paperColor_, color);
}

void TPaperSheet::SetBorderColor(TColor color) {
    ChangeFrameColor(borderColor_, color);
}

void TPaperSheet::SetShadowColor(TColor color) {
    ChangeFrameColor(shadowColor_, color);
}

void TPaperSheet::SetColor(TColor color) {
    ChangeFrameColor(color_, color);
}

void TPaperSheet::SetBorderSize(int size) {
    ChangeFrameWidth(borderSize_, size);
}

void TPaperSheet::SetShadowSize(int size) {
    ChangeFrameWidth(shadowSize_, size);
}

void TPaperSheet::DpiChanged(int oldDpi, int newDpi) {
    Control::DpiChanged(oldDpi, newDpi);
    frameDrawn_ = false;  // border and shadow have new widths
    Invalidate();
}

// The page area keeps its size: the control takes the new frame around it.
void TPaperSheet::ChangeFrameWidth(int& field, int size) {
    size = std::max(0, size);
    if (size == field)
        return;
    const int width = PaperWidth(), height = PaperHeight();
    field = size;
    frameDrawn_ = false;
    SetPageSize(width, height);
    Invalidate();
}

int TPaperSheet::PaperWidth() const {
    return GetBounds().width - FrameThickness();
}

int TPaperSheet::PaperHeight() const {
    return GetBounds().height - FrameThickness();
}

void TPaperSheet::SetPaperWidth(int width) {
    SetPageSize(width, PaperHeight());
}

void TPaperSheet::SetPaperHeight(int height) {
    SetPageSize(PaperWidth(), height);
}

void TPaperSheet::SetPageSize(int width, int height) {
    ui::Bounds bounds = GetBounds();
    bounds.width = std::max(0, width) + FrameThickness();
    bounds.height = std::max(0, height) + FrameThickness();
    SetDeviceBounds(bounds);
}

void TPaperSheet::SetCursor(int cursor) {
    cursor_ = cursor;
}

void TPaperSheet::Assign(const TPaperSheetOptions& options) {
    SetPaperColor(options.PaperColor());
    SetBorderColor(options.BorderColor());
    SetBorderSize(options.BorderWidth());
    SetShadowColor(options.ShadowColor());
    SetShadowSize(options.ShadowWidth());
    SetCursor(options.Cursor());
    SetPopupMenu(options.PopupMenu());
}

void TPaperSheet::Invalidate() {
    pageDrawn_ = false;
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TPaperSheet::SetFocusCue(bool shown) {
    if (shown == focusCue_)
        return;
    focusCue_ = shown;
    // Drawn over the bitmap, not into it: the page need not be played again.
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

RECT TPaperSheet::GetPageRect() const {
    const SIZE size = Size();
    const int border = BorderPixels(), shadow = ShadowPixels();
    return {border, border, size.cx - (border + shadow), size.cy - (border + shadow)};
}

void TPaperSheet::ResizeBitmap() {
    const SIZE size = Size();
    if (bitmapValid_ && size.cx == bitmapSize_.cx && size.cy == bitmapSize_.cy)
        return;
    bitmap_.reset();
    bitmapSize_ = size;
    frameDrawn_ = false;
    pageDrawn_ = false;
    if (size.cx <= 0 || size.cy <= 0) {
        bitmapValid_ = true;  // nothing to show, nothing to hold
        return;
    }
    ui::WindowDc screen(nullptr);
    bitmap_.reset(::CreateCompatibleBitmap(screen.dc(), size.cx, size.cy));
    bitmapValid_ = static_cast<bool>(bitmap_);
}

void TPaperSheet::DrawFrame(HDC bitmap) {
    const SIZE size = Size();
    const int w = size.cx, h = size.cy, b = BorderPixels(), s = ShadowPixels();
    ::SetROP2(bitmap, R2_COPYPEN);
    if (b > 0) {
        LOGBRUSH stroke{BS_SOLID, ColorToRGB(borderColor_), 0};
        UniquePen pen(
            ::ExtCreatePen(PS_GEOMETRIC | PS_INSIDEFRAME | PS_ENDCAP_SQUARE | PS_JOIN_MITER,
                           static_cast<DWORD>(b), &stroke, 0, nullptr));
        SelectedObject selectedPen(bitmap, pen.get());
        SelectedObject clearBrush(bitmap, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(bitmap, 0, 0, w - s, h - s);
    }
    if (s > 0) {
        const COLORREF shadow = ColorToRGB(shadowColor_);
        ui::FillSolid(bitmap, {w - s, s, w, h}, shadow);
        ui::FillSolid(bitmap, {s, h - s, w, h}, shadow);
        const COLORREF background = ColorToRGB(color_);
        ui::FillSolid(bitmap, {w - s, 0, w, s}, background);
        ui::FillSolid(bitmap, {0, h - s, s, h}, background);
    }
}

void TPaperSheet::Paint(HDC target) {
    if (!bitmapValid_ || !bitmap_)
        return;
    UniqueMemoryDc dc(::CreateCompatibleDC(target));
    SelectedObject selected(dc.get(), bitmap_.get());
    if (!frameDrawn_) {
        DrawFrame(dc.get());
        frameDrawn_ = true;
        pageDrawn_ = false;
    }
    std::exception_ptr failure;
    if (!pageDrawn_) {
        // Marked drawn first: a page whose drawing fails is shown blank and reported
        // once, not drawn and reported again at every paint.
        pageDrawn_ = true;
        const RECT page = GetPageRect();
        UniqueRegion clip(::CreateRectRgnIndirect(&page));
        ::SelectClipRgn(dc.get(), clip.get());
        ui::FillSolid(dc.get(), page, ColorToRGB(paperColor_));
        if (OnPaint) {
            const int saved = ::SaveDC(dc.get());
            try {
                TCanvas canvas(dc.get());
                OnPaint(*this, canvas, page);
            } catch (...) {
                failure = std::current_exception();
            }
            ::RestoreDC(dc.get(), saved);
        }
        ::SelectClipRgn(dc.get(), nullptr);
    }
    ::BitBlt(target, 0, 0, bitmapSize_.cx, bitmapSize_.cy, dc.get(), 0, 0, SRCCOPY);
    if (focusCue_) {
        RECT cue = GetPageRect();
        const int inset = Scaled(kFocusCueInset);
        ::InflateRect(&cue, -inset, -inset);
        ::DrawFocusRect(target, &cue);
    }
    if (failure)
        std::rethrow_exception(failure);
}

LRESULT TPaperSheet::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (mouse_.Handle(Handle(), message, wParam, lParam))
        return 0;
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            ui::PaintScope scope(Handle());
            Paint(scope.dc());
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_SIZE: {
            LRESULT result = DefaultHandling(message, wParam, lParam);
            ResizeBitmap();
            if (OnResize)
                OnResize();
            return result;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                ::SetCursor(ScreenCursor(cursor_));
                return TRUE;
            }
            break;
        case WM_CONTEXTMENU:
            if (popupMenu_) {
                if (ui::Form* form = ParentForm()) {
                    POINT at{static_cast<short>(LOWORD(lParam)),
                             static_cast<short>(HIWORD(lParam))};
                    if (lParam == -1) {  // from the keyboard: under the paper's corner
                        at = {0, 0};
                        ::ClientToScreen(Handle(), &at);
                    }
                    popupMenu_->Popup(form->Handle(), at);
                    return 0;
                }
            }
            break;
        default:
            break;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace natalo
