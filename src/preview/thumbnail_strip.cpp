#include "preview/thumbnail_strip.h"

#include <string>

#include "preview/flag_scope.h"

namespace natalo {
namespace {

bool Overlaps(long long lo, long long hi, long long bandLo, long long bandHi) {
    return lo < bandHi && hi > bandLo;
}

// A window made where it goes at once would be scaled as a layout rectangle: it is made
// empty and then placed in device pixels.
constexpr ui::Bounds kPlacedLater{0, 0, 0, 0};

}  // namespace

TThumbnail::~TThumbnail() {
    label_.reset();
    paper_.reset();
}

TThumbnailStrip::TThumbnailStrip(ui::Window& parent, const ui::Bounds& bounds)
    : ScrollBox(parent, bounds, ClassName(), WS_TABSTOP), font_(InheritedFont()) {
    HorzScrollBar().SetVisible(false);
    paperView_.OnChange = [this] {
        if (!preview_)
            return;
        for (const auto& thumbnail : thumbnails_) {
            if (thumbnail->paper_)
                thumbnail->paper_->Assign(paperView_);
        }
        UpdateThumbnails(true);
    };
}

TThumbnailStrip::~TThumbnailStrip() {
    SetPagePreview(nullptr);
}

const char* TThumbnailStrip::ClassName() {
    static constexpr char kClass[] = "NataloThumbnailStrip";
    RegisterOwnClass(kClass, CS_DBLCLKS, IDC_ARROW);
    return kClass;
}

void TThumbnailStrip::SetPagePreview(TPagePreview* preview) {
    if (preview == preview_)
        return;
    if (preview_)
        preview_->UnregisterThumbnailView(*this);
    // Thumbnails of another document must not be reused with its pictures.
    RemoveThumbnails();
    preview_ = preview;
    if (preview_)
        preview_->RegisterThumbnailView(*this);
    UpdateThumbnails(true);
}

void TThumbnailStrip::PagePreviewDestroyed(TPagePreview& preview) {
    if (&preview != preview_)
        return;
    preview_ = nullptr;
    UpdateThumbnails(true);
}

void TThumbnailStrip::SetZoom(int zoom) {
    ChangeLayout(zoom_, zoom);
}

void TThumbnailStrip::SetMargin(std::uint8_t margin) {
    ChangeLayout(margin_, margin);
}

void TThumbnailStrip::SetOrientation(TScrollBarKind orientation) {
    ChangeLayout(orientation_, orientation);
}

void TThumbnailStrip::SetMarkerColor(TColor color) {
    if (color == markerColor_)
        return;
    markerColor_ = color;
    if (current_ && current_->paper_) {
        current_->paper_->Invalidate();
        ::UpdateWindow(current_->paper_->Handle());
    }
}

bool TThumbnailStrip::TabStop() const {
    return (::GetWindowLongA(Handle(), GWL_STYLE) & WS_TABSTOP) != 0;
}

void TThumbnailStrip::SetTabStop(bool tabStop) {
    const LONG style = ::GetWindowLongA(Handle(), GWL_STYLE);
    ::SetWindowLongA(Handle(), GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

// The labels' text metrics at 96 DPI, measured on a scratch bitmap: the strip's font, or
// at another DPI the same font made for 96 DPI, whose room is scaled with the rest of the
// cell (a font made for the DPI is hinted to other proportions).
LabelFontMetrics TThumbnailStrip::LabelMetrics() const {
    HFONT font = font_;
    if (Dpi() != ui::kLayoutDpi)
        font = ui::CachedFont(FontDescription(), ui::kLayoutDpi);
    UniqueMemoryDc scratch(::CreateCompatibleDC(nullptr));
    SelectedObject selected(scratch.get(),
                            font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA text{};
    ::GetTextMetricsA(scratch.get(), &text);
    return {text.tmMaxCharWidth, text.tmHeight, text.tmExternalLeading};
}

ThumbnailCell TThumbnailStrip::CalcThumbnailLayout() const {
    const PaperSize extent = preview_ ? preview_->PageExtentAt(ui::kLayoutDpi) : PaperSize{};
    const ThumbnailCell layout = natalo::CalcThumbnailLayout(
        {extent.width, extent.height}, zoom_, {paperView_.BorderWidth(), paperView_.ShadowWidth()},
        preview_ ? preview_->TotalPages() : 0, LabelMetrics());
    const auto point = [this](PixelPoint p) { return PixelPoint{Scaled(p.x), Scaled(p.y)}; };
    const auto size = [this](PixelSize s) { return PixelSize{Scaled(s.cx), Scaled(s.cy)}; };
    return {point(layout.paperOffset), size(layout.paperSize), point(layout.labelOffset),
            size(layout.labelSize), size(layout.cellSize)};
}

void TThumbnailStrip::DpiChanged(int oldDpi, int newDpi) {
    // The new font and size lay the thumbnails out again (WM_SETFONT, WM_SIZE); the cell
    // is then that of the new DPI.
    ScrollBox::DpiChanged(oldDpi, newDpi);
    UpdateThumbnails(true);
}

void TThumbnailStrip::UpdateThumbnails(bool rebuild) {
    if (updating_)
        return;
    FlagScope updating(updating_);
    if (!preview_ || preview_->TotalPages() == 0) {
        if (!thumbnails_.empty()) {
            RemoveThumbnails();
            UpdateScrollRanges();
        }
        return;
    }
    if (rebuild)
        Rebuild();
    MoveMarker();
}

void TThumbnailStrip::RemoveThumbnails() {
    rowsPerColumn_ = 0;
    columnsPerRow_ = 0;
    current_ = nullptr;
    thumbnails_.clear();
}

void TThumbnailStrip::Rebuild() {
    HorzScrollBar().SetVisible(orientation_ == sbHorizontal);
    VertScrollBar().SetVisible(orientation_ == sbVertical);
    const ThumbnailCell cell = CalcThumbnailLayout();
    // Showing or hiding the scroll bar changes the room the rows wrap in: lay them out
    // again for the new client area (twice at most, the bar settles by then).
    for (int pass = 0; pass < 3; ++pass) {
        const RECT client = ClientRect();
        PlaceThumbnails(cell);
        UpdateScrollRanges();
        const RECT now = ClientRect();
        if (now.right == client.right && now.bottom == client.bottom)
            break;
    }
    RealiseThumbnailsNearView();
}

void TThumbnailStrip::PlaceThumbnails(const ThumbnailCell& cell) {
    const int total = preview_->TotalPages();
    const RECT client = ClientRect();
    ThumbnailFlow flow;
    flow.orientation = orientation_;
    flow.margin = Scaled(margin_);
    flow.client = {client.right, client.bottom};
    const std::vector<PixelPoint> origins = ThumbnailCellOrigins(total, flow, cell.cellSize);
    thumbnails_.reserve(static_cast<std::size_t>(total));
    for (int i = 0; i < total; ++i) {
        if (static_cast<int>(thumbnails_.size()) == i)
            thumbnails_.push_back(std::make_unique<TThumbnail>(i + 1));
        TThumbnail& thumbnail = *thumbnails_[static_cast<std::size_t>(i)];
        const PixelRect paper = cell.PaperBounds(origins[static_cast<std::size_t>(i)]);
        const PixelRect label = cell.LabelBounds(origins[static_cast<std::size_t>(i)]);
        if (paper == thumbnail.paperBounds_ && label == thumbnail.labelBounds_)
            continue;
        thumbnail.paperBounds_ = paper;
        thumbnail.labelBounds_ = label;
        PlaceWindows(thumbnail);
    }
    columnsPerRow_ = natalo::ColumnsPerRow(client.right, flow.margin, cell.cellSize.cx);
    rowsPerColumn_ = natalo::RowsPerColumn(client.bottom, flow.margin, cell.cellSize.cy);
    while (static_cast<int>(thumbnails_.size()) > total) {
        if (current_ == thumbnails_.back().get())
            current_ = nullptr;
        thumbnails_.pop_back();
    }
}

ui::Bounds TThumbnailStrip::OnScreen(const PixelRect& content) const {
    return {content.left - HorzScrollBar().Position(), content.top - VertScrollBar().Position(),
            content.Width(), content.Height()};
}

void TThumbnailStrip::PlaceWindows(TThumbnail& thumbnail) {
    if (thumbnail.paper_)
        thumbnail.paper_->SetDeviceBounds(OnScreen(thumbnail.paperBounds_));
    if (thumbnail.label_)
        thumbnail.label_->SetDeviceBounds(OnScreen(thumbnail.labelBounds_));
}

// Windows for the thumbnails within one client extent before and after the visible part;
// those more than two extents away give theirs back.
void TThumbnailStrip::RealiseThumbnailsNearView() {
    if (!preview_ || thumbnails_.empty())
        return;
    const RECT client = ClientRect();
    const bool vertical = orientation_ == sbVertical;
    const long long extent = vertical ? client.bottom : client.right;
    const long long start = vertical ? VertScrollBar().Position() : HorzScrollBar().Position();
    for (const auto& owned : thumbnails_) {
        TThumbnail& thumbnail = *owned;
        const PixelRect cell = MarkerRevealRect(thumbnail.paperBounds_, thumbnail.labelBounds_);
        const long long lo = vertical ? cell.top : cell.left;
        const long long hi = vertical ? cell.bottom : cell.right;
        if (!thumbnail.paper_) {
            if (Overlaps(lo, hi, start - extent, start + 2 * extent))
                Realise(thumbnail);
        } else if (!Overlaps(lo, hi, start - 2 * extent, start + 3 * extent)) {
            thumbnail.label_.reset();
            thumbnail.paper_.reset();
        }
    }
}

void TThumbnailStrip::Realise(TThumbnail& thumbnail) {
    const int pageNo = thumbnail.pageNo_;
    auto paper = std::make_unique<TPaperSheet>(*this, kPlacedLater);
    paper->SetTag(pageNo);
    paper->Assign(paperView_);
    paper->SetDeviceBounds(OnScreen(thumbnail.paperBounds_));
    paper->OnPaint = [this, &thumbnail](TPaperSheet&, TCanvas& canvas, const RECT& pageRect) {
        PaintThumbnail(thumbnail, canvas, pageRect);
    };
    paper->OnClick = [this, pageNo] { ThumbnailClicked(pageNo); };
    auto label = std::make_unique<ui::Label>(*this, kPlacedLater, std::to_string(pageNo), false);
    label->SetDeviceBounds(OnScreen(thumbnail.labelBounds_));
    label->SetTag(pageNo);
    label->SetAlignment(ui::TextAlignment::Center);
    label->SetShowAccelChar(false);
    label->OnClick([this, pageNo] { ThumbnailClicked(pageNo); });
    thumbnail.paper_ = std::move(paper);
    thumbnail.label_ = std::move(label);
}

void TThumbnailStrip::MoveMarker() {
    const int page = preview_->CurrentPage();
    TThumbnail* found = nullptr;
    if (page >= 1 && page <= ThumbnailCount() && thumbnails_[page - 1]->pageNo_ == page)
        found = thumbnails_[page - 1].get();
    if (found == current_)
        return;
    InvalidatePaper(current_);
    current_ = found;
    if (current_) {
        const PixelRect reveal = MarkerRevealRect(current_->paperBounds_, current_->labelBounds_);
        const ui::Bounds shown = OnScreen(reveal);
        ScrollRectInView(
            {shown.left, shown.top, shown.left + shown.width, shown.top + shown.height});
        InvalidatePaper(current_);
    }
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (OnChange)
        OnChange();
}

void TThumbnailStrip::InvalidatePaper(TThumbnail* thumbnail) {
    if (thumbnail && thumbnail->paper_)
        thumbnail->paper_->Invalidate();
}

void TThumbnailStrip::ScrollRectInView(const RECT& r) {
    TControlScrollBar& horz = HorzScrollBar();
    TControlScrollBar& vert = VertScrollBar();
    const RECT client = ClientRect();
    const PixelPoint target = natalo::ScrollRectInView(
        {r.left, r.top, r.right, r.bottom}, {horz.Position(), vert.Position()},
        {client.right, client.bottom}, {horz.Margin(), vert.Margin()});
    horz.SetPosition(target.x);
    vert.SetPosition(target.y);
}

void TThumbnailStrip::RepaintThumbnail(int index) {
    if (index >= 0 && index < ThumbnailCount()) {
        if (TPaperSheet* paper = thumbnails_[static_cast<std::size_t>(index)]->Paper()) {
            paper->Invalidate();
            ::UpdateWindow(paper->Handle());
        }
    } else if (index == -1) {
        for (auto it = thumbnails_.rbegin(); it != thumbnails_.rend(); ++it)
            InvalidatePaper(it->get());
        ::RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

void TThumbnailStrip::PaintThumbnail(const TThumbnail& thumbnail, TCanvas& canvas,
                                     const RECT& pageRect) {
    if (!preview_)
        return;
    try {
        if (const TMetafile* page = preview_->Pages(thumbnail.pageNo_); page && !page->Empty())
            ::PlayEnhMetaFile(canvas.Handle(), page->Handle(), &pageRect);
    } catch (const std::exception&) {
        // A page that cannot be read stays blank here; the preview's paper reports it
        // once when it shows that page, not every thumbnail in view at each paint.
    }
    if (&thumbnail == current_) {
        canvas.SetBrush({RGB(255, 255, 255), true});
        canvas.SetPen({ColorToRGB(markerColor_), Scaled(1)});
        canvas.Rectangle(pageRect.left, pageRect.top, pageRect.right, pageRect.bottom);
    }
}

void TThumbnailStrip::ThumbnailClicked(int pageNo) {
    if (preview_)
        preview_->SetCurrentPage(pageNo);
    if (TabStop() && Exists())
        SetFocus();
}

PixelSize TThumbnailStrip::ContentExtent() const {
    PixelSize extent;
    for (const auto& thumbnail : thumbnails_) {
        const PixelRect& paper = thumbnail->paperBounds_;
        const PixelRect& label = thumbnail->labelBounds_;
        extent.cx = std::max({extent.cx, paper.right, label.right});
        extent.cy = std::max({extent.cy, paper.bottom, label.bottom});
    }
    return extent;
}

bool TThumbnailStrip::HandleKey(WPARAM key) {
    if (!preview_)
        return false;
    StripNavigation strip;
    strip.orientation = orientation_;
    strip.currentPage = preview_->CurrentPage();
    strip.totalPages = preview_->TotalPages();
    strip.columnsPerRow = columnsPerRow_;
    strip.rowsPerColumn = rowsPerColumn_;
    const KeyModifiers modifiers{::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0,
                                 ::GetKeyState(VK_MENU) < 0};
    const std::optional<int> page = StripKeyPage(static_cast<unsigned>(key), modifiers, strip);
    if (!page)
        return false;
    preview_->SetCurrentPage(*page);
    return true;
}

bool TThumbnailStrip::HandleWheel(WPARAM wParam, LPARAM lParam) {
    const PixelPoint at = WheelCursorPosition(static_cast<long long>(lParam));
    RECT window{};
    ::GetWindowRect(Handle(), &window);
    if (!::PtInRect(&window, POINT{at.x, at.y}))
        return false;
    TControlScrollBar& bar = orientation_ == sbHorizontal ? HorzScrollBar() : VertScrollBar();
    const int steps = wheelDelta_.Add(GET_WHEEL_DELTA_WPARAM(wParam));
    // Positive steps: the wheel turned away from the user, back towards the start.
    for (int step = 0; step < std::abs(steps); ++step)
        bar.SetPosition(bar.Position() + (steps > 0 ? -bar.Increment() : bar.Increment()));
    return true;
}

LRESULT TThumbnailStrip::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (HandleKey(wParam))
                return 0;
            break;
        case WM_MOUSEWHEEL:
            if (HandleWheel(wParam, lParam))
                return 1;
            break;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            for (const auto& thumbnail : thumbnails_) {
                if (thumbnail->label_)
                    ::SendMessageA(thumbnail->label_->Handle(), WM_SETFONT, wParam, lParam);
            }
            UpdateThumbnails(true);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        default:
            break;
    }
    return ScrollBox::HandleMessage(message, wParam, lParam);
}

}  // namespace natalo
