// TPagePreview: the print preview component. A caller records a document page by page
// (BeginDoc, drawing on Canvas in Units from the paper's corner, NewPage, EndDoc); every
// page becomes one enhanced metafile in the page store (memory or a temporary file). The
// component keeps the paper model, exchanges paper settings with the printer and prints
// the pages so that the recorded paper maps onto the printer's paper.
//
// On screen it is a scroll box of its own class that shows the current page as a sheet of
// paper (TPaperSheet) zoomed to fit, to the width, to the height or to a percentage, with
// scroll bars where the paper is larger than the client area. Its screen is its window's:
// the paper at 100 % is as large as it is on paper at the window's DPI, and a new DPI
// (WM_DPICHANGED) lays it out again. The pages are recorded in the pixels of their own
// device, so what is printed does not depend on the display. The paper can be dragged
// with the hand cursors, and keys and the mouse wheel scroll, turn pages and zoom (the view
// part is in page_preview_view.cpp). Thumbnail strips hear about pages through
// PreviewThumbnailView. The view's entry points (UpdateZoom, UpdateAnnotation, ShowPaper,
// RepaintPaper, PaintPage) are virtual.
//
// The printer object (and its spooler) must outlive the component.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "preview/canvas.h"
#include "preview/metafile.h"
#include "preview/page_store.h"
#include "preview/paper_model.h"
#include "preview/paper_sheet.h"
#include "preview/paper_zoom_settings.h"
#include "preview/preview_input.h"
#include "preview/printer.h"
#include "preview/scroll_box.h"

namespace natalo {

class TPagePreview;

// What a thumbnail strip hears from the preview it shows.
class PreviewThumbnailView {
  public:
    // After pages were added or cleared (rebuild) or the current page changed.
    virtual void UpdateThumbnails(bool rebuild) = 0;
    // After the stored page `index` (0-based) was rewritten.
    virtual void RepaintThumbnail(int index) = 0;
    // The preview goes away: the strip must forget it.
    virtual void PagePreviewDestroyed(TPagePreview& preview) = 0;

  protected:
    ~PreviewThumbnailView() = default;
};

// What happened to the printer form the preview added itself.
enum TOperation { opInsert, opRemove };

// Its mouse events (TMouseEvents) fire for actions on its own area and on the paper, with
// points in its client coordinates.
class TPagePreview : public ScrollBox, public TMouseEvents {
  public:
    TPagePreview(ui::Window& parent, const ui::Bounds& bounds, TPrinter& printer);
    ~TPagePreview() override;

    // Paper. Type, size and orientation keep their values while a document is under way.
    TUnits Units() const { return paper_.Units(); }
    void SetUnits(TUnits units);
    TPaperType PaperType() const { return paper_.PaperType(); }
    void SetPaperType(TPaperType type) { paper_.SetPaperType(type); }
    int PaperWidth() const { return paper_.PaperWidth(); }
    int PaperHeight() const { return paper_.PaperHeight(); }
    void SetPaperWidth(int width) { paper_.SetPaperWidth(width); }
    void SetPaperHeight(int height) { paper_.SetPaperHeight(height); }
    void SetPaperSize(int width, int height) { paper_.SetPaperSize(width, height); }
    TPrinterOrientation Orientation() const { return paper_.Orientation(); }
    void SetOrientation(TPrinterOrientation orientation) { paper_.SetOrientation(orientation); }
    // The paper in pixels of the window's DPI at 100 %.
    PaperSize PageExtent() const { return paper_.PageExtent(); }
    // The paper in pixels of another DPI at 100 % (layout pixels at 96).
    PaperSize PageExtentAt(int dpi) const { return paper_.ExtentAt(dpi); }

    // Settings.
    const std::string& PrintJobTitle() const { return printJobTitle_; }
    void SetPrintJobTitle(std::string title) { printJobTitle_ = std::move(title); }
    bool UsePrinterOptions() const { return usePrinterOptions_; }
    void SetUsePrinterOptions(bool use) { usePrinterOptions_ = use; }
    bool DirectPrint() const { return directPrint_; }
    void SetDirectPrint(bool direct) { directPrint_ = direct; }
    bool FastPrint() const { return fastPrint_; }
    void SetFastPrint(bool fast) { fastPrint_ = fast; }
    bool UseTempFile() const { return store_.UseTempFile(); }
    void SetUseTempFile(bool use) { store_.SetUseTempFile(use); }
    bool Annotation() const { return annotation_; }
    void SetAnnotation(bool annotation);
    // The initial font of every page canvas ("Arial", 8 points).
    const TFont& PageFont() const { return font_; }
    void SetPageFont(const TFont& font) { font_ = font; }

    // The document.
    TPreviewState State() const { return state_; }
    bool Aborted() const { return aborted_; }
    int TotalPages() const;
    int CurrentPage() const { return currentPage_; }
    // Clamped to 1..TotalPages; nothing while there are no pages.
    void SetCurrentPage(int pageNo);
    // The metafile of a page (1-based), valid until another page is asked for; null
    // outside 1..TotalPages.
    TMetafile* Pages(int pageNo);
    // The page under way; the printer's canvas when there is none.
    TCanvas& Canvas();
    TPageStore& PageStore() { return store_; }

    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    void Clear() { store_.Clear(); }

    // The printer.
    TPrinter& Printer() { return printer_; }
    bool PrinterInstalled();
    void GetPrinterOptions();
    void SetPrinterOptions();
    // The printer form that matches the paper; adds one of its own when none does.
    std::string FormName();
    const std::string& AutoFormName() const { return autoFormName_; }
    void Print();
    // Prints pages first..last (clamped to the document). The job always ends and State
    // returns to psReady, also when the printer fails; the failure is then rethrown.
    void PrintPages(int first, int last);

    void RegisterThumbnailView(PreviewThumbnailView& view);
    void UnregisterThumbnailView(PreviewThumbnailView& view);

    // The view. A fitting zoom state computes Zoom; setting Zoom (limited to
    // ZoomMin..ZoomMax) switches to zsZoomOther.
    TZoomState ZoomState() const { return zoom_.ZoomState(); }
    void SetZoomState(TZoomState state);
    int Zoom() const { return zoom_.Zoom(); }
    void SetZoom(int zoom);
    int ZoomMin() const { return zoom_.ZoomMin(); }
    void SetZoomMin(int zoomMin);
    int ZoomMax() const { return zoom_.ZoomMax(); }
    void SetZoomMax(int zoomMax);
    int ZoomStep() const { return zoom_.ZoomStep(); }
    void SetZoomStep(int step) { zoom_.SetZoomStep(step); }
    // Whether a new layout keeps the scroll positions in proportion.
    bool ZoomSavePos() const { return zoomSavePos_; }
    void SetZoomSavePos(bool save) { zoomSavePos_ = save; }
    // The paper's look; every change lays the paper out again.
    TPaperSheetOptions& PaperView() { return paperView_; }
    void SetPaperView(const TPaperSheetOptions& options) { paperView_.Assign(options); }
    // The paper control that shows the current page (hidden while there are no pages).
    TPaperSheet& Paper() { return paperSheet_; }
    // Whether the paper is wider or taller than the client area, and being dragged.
    bool CanScrollHorz() const { return canScrollHorz_; }
    bool CanScrollVert() const { return canScrollVert_; }
    bool IsDragging() const { return isDragging_; }

    // Lays the paper out anew for the current paper, zoom and client size.
    virtual void UpdateZoom();

    std::function<void()> OnBeginDoc;
    std::function<void()> OnEndDoc;
    std::function<void()> OnNewPage;
    std::function<void()> OnEndPage;
    std::function<void()> OnAbort;
    std::function<void()> OnChange;
    std::function<void()> OnBeforePrint;
    std::function<void()> OnAfterPrint;
    // Progress in percent of the pages asked for; setting abortIt stops the job.
    std::function<void(int pageNo, int progress, bool& abortIt)> OnPrintProgress;
    std::function<void(const std::string& customFormName, TOperation operation)> OnAutoCustomForm;
    std::function<void()> OnZoomChange;
    // Draws the screen-only overlay of a page, in Units from the paper's corner.
    std::function<void(int pageNo, TCanvas& canvas)> OnAnnotation;

  protected:
    // A page being recorded: its metafile and the canvas drawing on it.
    struct RecordingPage {
        std::unique_ptr<TMetafile> metafile;
        std::unique_ptr<TMetafileCanvas> canvas;
        explicit operator bool() const { return metafile != nullptr; }
    };

    // The annotation overlay for a page made anew; the paper shown or hidden; the paper
    // painted again now; the page drawn on the paper (its OnPaint).
    virtual void UpdateAnnotation(int pageNo);
    virtual void ShowPaper(bool visible);
    virtual void RepaintPaper();
    virtual void PaintPage(TPaperSheet& sender, TCanvas& canvas, const RECT& pageRect);
    // Progress between pages of a print job: PageNo, Done of Total pages.
    virtual void DoProgress(int pageNo, int done, int total);

    // A new page of the paper's size in its recording device's pixels, with a canvas in
    // Units from the paper's corner and the page font; throws EOutOfMemory when it cannot
    // be made.
    RecordingPage CreatePage();
    // Closes the canvas and returns the finished metafile; throws EOutOfMemory.
    std::unique_ptr<TMetafile> FinishPage(RecordingPage& page);
    // Maps Units from the paper's corner onto the canvas's device.
    void ScaleCanvas(TCanvas& canvas);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Resized() override { UpdateZoom(); }
    void DpiChanged(int oldDpi, int newDpi) override;
    // The cue shows on the paper too, which covers most of the client area.
    void FocusCueChanged(bool shown) override { paperSheet_.SetFocusCue(shown); }

  private:
    static const char* ClassName();
    // A length in Units in pixels of a device with `deviceDpi` pixels per inch.
    int ToDevicePixels(int length, int deviceDpi) const;
    // View.
    void ConnectPaper();
    PreviewViewState ViewState() const;
    void Apply(const PreviewCommand& command);
    bool HandleViewMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void TakeFocus();
    POINT PaperToSelf(int x, int y) const;
    void PaperMouseDown(TMouseButton button, unsigned keys, int x, int y);
    void PaperMouseMove(unsigned keys, int x, int y);
    void PaperMouseUp(TMouseButton button, unsigned keys, int x, int y);
    void DragAlong(TControlScrollBar& bar, bool horizontal, int delta);
    void SetState(TPreviewState state);
    bool Recording() const { return state_ == psCreating && !directPrinting_; }
    bool DirectPrinting() const { return state_ == psPrinting && directPrinting_; }
    void AssignPageFont(TCanvas& canvas) const;
    void StorePageUnderWay();
    void DiscardPageUnderWay();
    void PagesChanged();
    void PageRewritten(int index);
    void ForEachView(const std::function<void(PreviewThumbnailView&)>& action);

    // Printer side.
    void DeletePrinterForm(const std::string& name, bool reportRemoval);
    RECT PrintTarget();
    void DrawPage(int pageNo, const RECT& target);
    void FinishPrintJob(bool completed);

    TPrinter& printer_;
    PaperModel paper_;
    TPageStore store_;
    TFont font_;
    std::string printJobTitle_;
    bool usePrinterOptions_ = false;
    bool directPrint_ = false;
    bool fastPrint_ = true;
    bool annotation_ = false;
    TPreviewState state_ = psReady;
    bool aborted_ = false;
    int currentPage_ = 0;
    RecordingPage page_;
    std::unique_ptr<TCanvas> directCanvas_;
    bool directPrinting_ = false;
    int directPageCount_ = 0;
    std::string autoFormName_;
    std::vector<PreviewThumbnailView*> views_;

    // View state.
    ZoomSettings zoom_;
    bool zoomSavePos_ = true;
    TPaperSheetOptions paperView_;
    TPaperSheet paperSheet_{*this};
    std::unique_ptr<TMetafile> annotationOverlay_;
    bool canScrollHorz_ = false;
    bool canScrollVert_ = false;
    bool isDragging_ = false;
    POINT dragStart_{0, 0};
    PreviewWheel wheel_;
    bool updatingZoom_ = false;
    MouseDispatch mouse_{*this};
};

}  // namespace natalo
