// TPagePreview: the print preview component, recording and paper (its printer side is in
// preview_printing.cpp).
#include "preview/page_preview.h"

#include <algorithm>

#include "preview/preview_errors.h"

namespace natalo {

TPagePreview::TPagePreview(ui::Window& parent, const ui::Bounds& bounds, TPrinter& printer)
    : ScrollBox(parent, bounds, ClassName(), WS_TABSTOP), printer_(printer), paper_(Dpi()) {
    font_.PixelsPerInch = Dpi();
    paper_.OnPaperChanged = [this] { UpdateZoom(); };
    store_.OnChange = [this] { PagesChanged(); };
    store_.OnPageChange = [this](int index) { PageRewritten(index); };
    ConnectPaper();
}

TPagePreview::~TPagePreview() {
    ForEachView([this](PreviewThumbnailView& view) { view.PagePreviewDestroyed(*this); });
    views_.clear();
    store_.OnChange = nullptr;
    store_.OnPageChange = nullptr;
    try {
        if (directPrinting_ && printer_.Printing())
            printer_.Abort();
        if (!autoFormName_.empty())
            DeletePrinterForm(autoFormName_, false);
    } catch (...) {
        // Nothing can be reported from a destructor; the job or form stays behind.
    }
}

const char* TPagePreview::ClassName() {
    static constexpr char kClass[] = "NataloPagePreview";
    RegisterOwnClass(kClass, CS_DBLCLKS, IDC_ARROW);
    return kClass;
}

void TPagePreview::SetState(TPreviewState state) {
    state_ = state;
    paper_.SetLocked(state != psReady);
}

void TPagePreview::SetUnits(TUnits units) {
    const TUnits old = paper_.Units();
    if (units == old)
        return;
    paper_.SetUnits(units);
    if (page_) {
        TCanvas& canvas = *page_.canvas;
        TPen pen = canvas.Pen();
        pen.Width = ConvertUnits(pen.Width, paper_.ScreenDpi(), old, units, paper_.ScreenDpi());
        canvas.SetPen(pen);
        ScaleCanvas(canvas);
    }
}

void TPagePreview::DpiChanged(int oldDpi, int newDpi) {
    // The paper's size on screen first: the resize that follows lays it out once more.
    paper_.SetScreenDpi(newDpi);
    ScrollBox::DpiChanged(oldDpi, newDpi);
}

int TPagePreview::ToDevicePixels(int length, int deviceDpi) const {
    return ConvertUnits(length, deviceDpi, paper_.Units(), mmPixel, paper_.ScreenDpi());
}

void TPagePreview::SetAnnotation(bool annotation) {
    if (annotation == annotation_)
        return;
    annotation_ = annotation;
    UpdateAnnotation(currentPage_);
    RepaintPaper();
}

int TPagePreview::TotalPages() const {
    return directPrinting_ ? directPageCount_ : store_.Count();
}

void TPagePreview::SetCurrentPage(int pageNo) {
    if (TotalPages() == 0)
        return;
    pageNo = std::clamp(pageNo, 1, TotalPages());
    if (pageNo == currentPage_)
        return;
    currentPage_ = pageNo;
    UpdateAnnotation(currentPage_);
    RepaintPaper();
    ForEachView([](PreviewThumbnailView& view) { view.UpdateThumbnails(false); });
    if (OnChange)
        OnChange();
}

TMetafile* TPagePreview::Pages(int pageNo) {
    if (pageNo < 1 || pageNo > TotalPages() || pageNo > store_.Count())
        return nullptr;
    return &store_.Items(pageNo - 1);
}

TCanvas& TPagePreview::Canvas() {
    if (page_)
        return *page_.canvas;
    if (directCanvas_)
        return *directCanvas_;
    return printer_.Canvas();
}

void TPagePreview::AssignPageFont(TCanvas& canvas) const {
    // The canvas keeps its own scale: the font is rebuilt for it at the same point size.
    TFont font = font_;
    font.PixelsPerInch = canvas.Font().PixelsPerInch;
    canvas.SetFont(font);
}

void TPagePreview::ScaleCanvas(TCanvas& canvas) {
    HDC dc = canvas.Handle();
    if (!dc)
        return;
    const int width = paper_.PaperWidth();
    const int height = paper_.PaperHeight();
    const int logPixelsY = ::GetDeviceCaps(dc, LOGPIXELSY);
    const int deviceWidth = ToDevicePixels(width, ::GetDeviceCaps(dc, LOGPIXELSX));
    const int deviceHeight = ToDevicePixels(height, logPixelsY);
    ::SetMapMode(dc, MM_ANISOTROPIC);
    ::SetWindowExtEx(dc, width, height, nullptr);
    ::SetViewportExtEx(dc, deviceWidth, deviceHeight, nullptr);
    ::SetViewportOrgEx(dc, -::GetDeviceCaps(dc, PHYSICALOFFSETX),
                       -::GetDeviceCaps(dc, PHYSICALOFFSETY), nullptr);
    if (deviceHeight > 0) {
        TFont font = canvas.Font();
        font.PixelsPerInch = ::MulDiv(logPixelsY, height, deviceHeight);
        canvas.SetFont(font);
    }
}

TPagePreview::RecordingPage TPagePreview::CreatePage() {
    RecordingPage page;
    // The page spans what ScaleCanvas maps the paper onto: the paper in its device's
    // pixels, not in those of the window that shows it.
    const RecordingResolution device = RecordingPixelsPerInch(nullptr);
    page.metafile = std::make_unique<TMetafile>(ToDevicePixels(paper_.PaperWidth(), device.x),
                                                ToDevicePixels(paper_.PaperHeight(), device.y));
    page.canvas = std::make_unique<TMetafileCanvas>(*page.metafile, nullptr);
    if (!page.canvas->HasHandle())
        throw EOutOfMemory();
    AssignPageFont(*page.canvas);
    ScaleCanvas(*page.canvas);
    return page;
}

std::unique_ptr<TMetafile> TPagePreview::FinishPage(RecordingPage& page) {
    page.canvas->Close();
    page.canvas.reset();
    std::unique_ptr<TMetafile> metafile = std::move(page.metafile);
    if (metafile->Empty())
        throw EOutOfMemory();
    return metafile;
}

void TPagePreview::StorePageUnderWay() {
    if (!page_)
        return;
    RecordingPage page = std::move(page_);
    page_ = {};
    std::unique_ptr<TMetafile> metafile = FinishPage(page);
    store_.Add(*metafile);
}

void TPagePreview::DiscardPageUnderWay() {
    page_.canvas.reset();
    page_.metafile.reset();
}

void TPagePreview::BeginDoc() {
    if (state_ != psReady)
        return;
    DiscardPageUnderWay();
    aborted_ = false;
    if (directPrint_) {
        if (!PrinterInstalled())
            return;
        directPrinting_ = true;
        directPageCount_ = 0;
        try {
            if (usePrinterOptions_)
                GetPrinterOptions();
            else
                SetPrinterOptions();
            SetState(psPrinting);
            printer_.SetTitle(printJobTitle_);
            printer_.BeginDoc();
        } catch (...) {
            // No job was started: the preview must not stay in the printing state.
            directPrinting_ = false;
            SetState(psReady);
            throw;
        }
    } else {
        store_.Clear();
        if (usePrinterOptions_)
            GetPrinterOptions();
        SetState(psCreating);
        paper_.RefreshPageExtent();
    }
    if (OnBeginDoc)
        OnBeginDoc();
    NewPage();
}

void TPagePreview::NewPage() {
    if (!Recording() && !DirectPrinting())
        return;
    if ((page_ || directCanvas_) && OnEndPage)
        OnEndPage();
    if (DirectPrinting()) {
        if (directCanvas_) {
            ++directPageCount_;
            if (printer_.Printing())
                printer_.NewPage();
        } else {
            directCanvas_ = std::make_unique<TCanvas>(printer_.Handle());
            ScaleCanvas(*directCanvas_);
        }
        AssignPageFont(*directCanvas_);
    } else {
        StorePageUnderWay();
        page_ = CreatePage();
    }
    if (OnNewPage)
        OnNewPage();
}

void TPagePreview::EndDoc() {
    if (!Recording() && !DirectPrinting())
        return;
    if (OnEndPage)
        OnEndPage();
    if (DirectPrinting()) {
        ++directPageCount_;
        directCanvas_.reset();
        directPrinting_ = false;
        if (printer_.Printing()) {
            try {
                printer_.EndDoc();
            } catch (...) {
                SetState(psReady);
                throw;
            }
        }
    } else {
        try {
            StorePageUnderWay();
        } catch (...) {
            SetState(psReady);
            throw;
        }
    }
    if (OnEndDoc)
        OnEndDoc();
    SetState(psReady);
}

void TPagePreview::Abort() {
    if (aborted_)
        return;
    if (Recording()) {
        aborted_ = true;
        if (OnAbort)
            OnAbort();
        DiscardPageUnderWay();
        store_.Clear();
    } else if (state_ == psPrinting) {
        aborted_ = true;
        if (OnAbort)
            OnAbort();
        if (printer_.Printing() && !printer_.Aborted())
            printer_.Abort();
    }
}

void TPagePreview::PagesChanged() {
    const int shown = currentPage_;
    if (TotalPages() == 0) {
        currentPage_ = 0;
        ShowPaper(false);
    } else if (currentPage_ == 0) {
        UpdateZoom();
        currentPage_ = 1;
        ShowPaper(true);
    }
    // Pages appended behind the page on show leave it as it was: playing it again for
    // every page recorded would make a long document crawl. Only an overlay, which may
    // count the pages, is made and shown anew.
    if (currentPage_ != shown || (Annotation() && OnAnnotation)) {
        UpdateAnnotation(currentPage_);
        RepaintPaper();
    }
    ForEachView([](PreviewThumbnailView& view) { view.UpdateThumbnails(true); });
    if (OnChange)
        OnChange();
}

void TPagePreview::PageRewritten(int index) {
    if (index + 1 == currentPage_) {
        UpdateAnnotation(currentPage_);
        RepaintPaper();
    }
    ForEachView([index](PreviewThumbnailView& view) { view.RepaintThumbnail(index); });
    if (OnChange)
        OnChange();
}

void TPagePreview::RegisterThumbnailView(PreviewThumbnailView& view) {
    if (std::find(views_.begin(), views_.end(), &view) == views_.end())
        views_.push_back(&view);
}

void TPagePreview::UnregisterThumbnailView(PreviewThumbnailView& view) {
    views_.erase(std::remove(views_.begin(), views_.end(), &view), views_.end());
}

void TPagePreview::ForEachView(const std::function<void(PreviewThumbnailView&)>& action) {
    // A copy: a view may unregister itself while it is told.
    const std::vector<PreviewThumbnailView*> views = views_;
    for (PreviewThumbnailView* view : views) {
        if (std::find(views_.begin(), views_.end(), view) != views_.end())
            action(*view);
    }
}

}  // namespace natalo
