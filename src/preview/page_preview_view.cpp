// TPagePreview: the view, the current page on a sheet of paper in a scrolling client area,
// with zoom, dragging, keys, the mouse wheel and the annotation overlay.
#include <cstdlib>

#include "preview/flag_scope.h"
#include "preview/page_preview.h"
#include "preview/paper_zoom.h"

namespace natalo {
namespace {

ui::Bounds ToBounds(const PixelRect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

KeyModifiers HeldModifiers() {
    return {::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_MENU) < 0};
}

}  // namespace

void TPagePreview::ConnectPaper() {
    paperSheet_.SetVisible(false);
    paperSheet_.Assign(paperView_);
    paperView_.OnChange = [this] {
        paperSheet_.Assign(paperView_);
        UpdateZoom();
    };
    paperSheet_.OnPaint = [this](TPaperSheet& sender, TCanvas& canvas, const RECT& pageRect) {
        PaintPage(sender, canvas, pageRect);
    };
    paperSheet_.OnClick = [this] {
        if (OnClick)
            OnClick();
    };
    paperSheet_.OnDblClick = [this] {
        if (OnDblClick)
            OnDblClick();
    };
    paperSheet_.OnMouseDown = [this](TMouseButton button, unsigned keys, int x, int y) {
        PaperMouseDown(button, keys, x, y);
    };
    paperSheet_.OnMouseMove = [this](unsigned keys, int x, int y) { PaperMouseMove(keys, x, y); };
    paperSheet_.OnMouseUp = [this](TMouseButton button, unsigned keys, int x, int y) {
        PaperMouseUp(button, keys, x, y);
    };
}

void TPagePreview::UpdateZoom() {
    // A resize caused by the scroll bars of this very layout needs no second one: the
    // layout reckons with the bars it shows.
    if (TotalPages() == 0 || updatingZoom_)
        return;
    const int oldZoom = zoom_.Zoom();
    {
        FlagScope updating(updatingZoom_);
        TControlScrollBar& horz = HorzScrollBar();
        TControlScrollBar& vert = VertScrollBar();
        const RECT client = ClientRect();
        PaperViewport viewport;
        viewport.client = {client.right, client.bottom};
        viewport.horzMargin = horz.Margin();
        viewport.vertMargin = vert.Margin();
        viewport.horzBarShowing = horz.IsScrollBarVisible();
        viewport.vertBarShowing = vert.IsScrollBarVisible();
        viewport.scrollBars = ScrollBarSizes();

        const bool keepPositions = zoomSavePos_ && CurrentPage() > 0;
        const PixelSize inside = viewport.InsideMargins();
        const int horzPercent = ScrollPercent(horz.Position(), horz.Range(), inside.cx);
        const int vertPercent = ScrollPercent(vert.Position(), vert.Range(), inside.cy);

        DisableAutoRange();
        horz.SetPosition(0);
        vert.SetPosition(0);
        const PaperSize extent = PageExtent();
        const PaperLayout layout =
            LayoutPaper({{extent.width, extent.height},
                         {paperSheet_.BorderPixels(), paperSheet_.ShadowPixels()},
                         zoom_.ZoomState(),
                         zoom_.Zoom()},
                        viewport);
        if (zoom_.ZoomState() != zsZoomOther)
            zoom_.StoreZoom(layout.zoom);
        canScrollHorz_ = layout.canScrollHorz;
        canScrollVert_ = layout.canScrollVert;
        paperSheet_.SetDeviceBounds(ToBounds(layout.bounds));
        EnableAutoRange();

        if (keepPositions) {
            if (canScrollHorz_)
                horz.SetPosition(
                    ScrollPositionFromPercent(horzPercent, horz.Range(), layout.room.cx));
            if (canScrollVert_)
                vert.SetPosition(
                    ScrollPositionFromPercent(vertPercent, vert.Range(), layout.room.cy));
        }
        isDragging_ = false;
        paperSheet_.SetCursor(canScrollHorz_ || canScrollVert_ ? paperView_.DragCursor()
                                                               : paperView_.Cursor());
    }
    if (zoom_.Zoom() != oldZoom && OnZoomChange)
        OnZoomChange();
}

void TPagePreview::SetZoom(int zoom) {
    const int oldZoom = zoom_.Zoom();
    const TZoomState oldState = zoom_.ZoomState();
    if (!zoom_.SetZoom(zoom))
        return;
    UpdateZoom();
    if (!paperSheet_.BitmapValid()) {
        // The paper cannot be shown that large: back to what was shown, quietly.
        zoom_.StoreZoom(oldZoom);
        zoom_.SetZoomState(oldState);
        UpdateZoom();
        return;
    }
    if (OnZoomChange)
        OnZoomChange();
}

void TPagePreview::SetZoomMin(int zoomMin) {
    if (const std::optional<int> zoom = zoom_.SetZoomMin(zoomMin))
        SetZoom(*zoom);
}

void TPagePreview::SetZoomMax(int zoomMax) {
    if (const std::optional<int> zoom = zoom_.SetZoomMax(zoomMax))
        SetZoom(*zoom);
}

void TPagePreview::SetZoomState(TZoomState state) {
    if (zoom_.SetZoomState(state))
        UpdateZoom();
}

void TPagePreview::ShowPaper(bool visible) {
    paperSheet_.SetVisible(visible);
    UpdateScrollRanges();
}

void TPagePreview::RepaintPaper() {
    paperSheet_.Invalidate();
    ::UpdateWindow(paperSheet_.Handle());
}

void TPagePreview::PaintPage(TPaperSheet&, TCanvas& canvas, const RECT& pageRect) {
    const int page = CurrentPage();
    if (page < 1 || page > TotalPages())
        return;
    HDC dc = canvas.Handle();
    if (const TMetafile* metafile = Pages(page); metafile && !metafile->Empty())
        ::PlayEnhMetaFile(dc, metafile->Handle(), &pageRect);
    if (annotationOverlay_ && !annotationOverlay_->Empty())
        ::PlayEnhMetaFile(dc, annotationOverlay_->Handle(), &pageRect);
}

void TPagePreview::UpdateAnnotation(int pageNo) {
    annotationOverlay_.reset();
    if (!Annotation() || pageNo <= 0 || !OnAnnotation)
        return;
    RecordingPage overlay = CreatePage();
    OnAnnotation(pageNo, *overlay.canvas);
    annotationOverlay_ = FinishPage(overlay);
}

PreviewViewState TPagePreview::ViewState() const {
    const TControlScrollBar& horz = HorzScrollBar();
    const TControlScrollBar& vert = VertScrollBar();
    const RECT client = ClientRect();
    PreviewViewState view;
    view.horz = {horz.Position(), horz.Range(), horz.Increment()};
    view.vert = {vert.Position(), vert.Range(), vert.Increment()};
    view.client = {client.right, client.bottom};
    view.currentPage = CurrentPage();
    view.totalPages = TotalPages();
    view.zoom = Zoom();
    view.zoomStep = ZoomStep();
    return view;
}

void TPagePreview::Apply(const PreviewCommand& command) {
    switch (command.kind) {
        case PreviewCommand::kHorzPosition:
            HorzScrollBar().SetPosition(command.value);
            break;
        case PreviewCommand::kVertPosition:
            VertScrollBar().SetPosition(command.value);
            break;
        case PreviewCommand::kCurrentPage:
            SetCurrentPage(command.value);
            break;
        case PreviewCommand::kZoom:
            SetZoom(command.value);
            break;
        case PreviewCommand::kNone:
            break;
    }
}

void TPagePreview::TakeFocus() {
    if (::GetFocus() != Handle() && ::IsWindowVisible(Handle()) && ::IsWindowEnabled(Handle()))
        SetFocus();
}

POINT TPagePreview::PaperToSelf(int x, int y) const {
    POINT point{x, y};
    ::MapWindowPoints(paperSheet_.Handle(), Handle(), &point, 1);
    return point;
}

void TPagePreview::PaperMouseDown(TMouseButton button, unsigned keys, int x, int y) {
    TakeFocus();
    const RECT paper = paperSheet_.ClientRect();
    const POINT at{x, y};
    if (::PtInRect(&paper, at) && (canScrollHorz_ || canScrollVert_)) {
        isDragging_ = true;
        paperSheet_.SetCursor(paperView_.GrabCursor());
        ::SendMessageA(paperSheet_.Handle(), WM_SETCURSOR,
                       reinterpret_cast<WPARAM>(paperSheet_.Handle()),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
    dragStart_ = at;
    const POINT mapped = PaperToSelf(x, y);
    if (OnMouseDown)
        OnMouseDown(button, keys, mapped.x, mapped.y);
}

void TPagePreview::PaperMouseMove(unsigned keys, int x, int y) {
    const POINT mapped = PaperToSelf(x, y);
    if (OnMouseMove)
        OnMouseMove(keys, mapped.x, mapped.y);
    // Only a drag that started on the paper moves it: a press elsewhere has no start point.
    if (!isDragging_ || !(keys & MK_LBUTTON))
        return;
    if (canScrollHorz_)
        DragAlong(HorzScrollBar(), true, x - dragStart_.x);
    if (canScrollVert_)
        DragAlong(VertScrollBar(), false, y - dragStart_.y);
}

// The view scrolls against the mouse, or, with no scroll bar in that direction, the paper
// itself moves with it; either way the mouse stays over the same point of the paper.
void TPagePreview::DragAlong(TControlScrollBar& bar, bool horizontal, int delta) {
    if (delta == 0)
        return;
    if (bar.IsScrollBarVisible()) {
        bar.SetPosition(bar.Position() - delta);
        return;
    }
    ui::Bounds bounds = paperSheet_.GetBounds();
    const RECT client = ClientRect();
    if (horizontal)
        bounds.left =
            DraggedPaperOffset(bounds.left, delta, client.right, bar.Margin(), bounds.width);
    else
        bounds.top =
            DraggedPaperOffset(bounds.top, delta, client.bottom, bar.Margin(), bounds.height);
    paperSheet_.SetDeviceBounds(bounds);
}

void TPagePreview::PaperMouseUp(TMouseButton button, unsigned keys, int x, int y) {
    const POINT mapped = PaperToSelf(x, y);
    if (OnMouseUp)
        OnMouseUp(button, keys, mapped.x, mapped.y);
    if (isDragging_) {
        isDragging_ = false;
        paperSheet_.SetCursor(paperView_.DragCursor());
    }
}

bool TPagePreview::HandleViewMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // A press on the component's own area takes the focus too.
    if (MouseDispatch::IsPress(message))
        TakeFocus();
    if (mouse_.Handle(Handle(), message, wParam, lParam)) {
        result = 0;
        return true;
    }
    switch (message) {
        case WM_GETDLGCODE:
            result = DLGC_WANTARROWS;
            return true;
        case WM_KEYDOWN: {
            const PreviewCommand command =
                PreviewKeyCommand(static_cast<unsigned>(wParam), HeldModifiers(), ViewState());
            if (command.kind == PreviewCommand::kNone)
                return false;
            Apply(command);
            result = 0;
            return true;
        }
        case WM_MOUSEWHEEL: {
            const PixelPoint at = WheelCursorPosition(static_cast<long long>(lParam));
            RECT window{};
            ::GetWindowRect(Handle(), &window);
            if (!::PtInRect(&window, POINT{at.x, at.y}))
                return false;
            const PreviewWheelTurn turn =
                wheel_.Turn(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam));
            for (int step = 0; step < std::abs(turn.steps); ++step)
                Apply(PreviewWheelCommand(turn.action, turn.steps > 0, ViewState()));
            if (!turn.handled)
                return false;
            result = 1;
            return true;
        }
        default:
            return false;
    }
}

LRESULT TPagePreview::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleViewMessage(message, wParam, lParam, result))
        return result;
    return ScrollBox::HandleMessage(message, wParam, lParam);
}

}  // namespace natalo
