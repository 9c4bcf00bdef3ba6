// TThumbnailStrip: every page of a TPagePreview as a small sheet of paper with its number
// underneath, in rows that wrap at the strip's width (sbVertical, scrolling down) or in
// columns that wrap at its height (sbHorizontal, scrolling across). The thumbnail of the
// preview's current page is framed in MarkerColor; a click on a thumbnail or the keys pick
// a page, the wheel scrolls.
//
// A thumbnail is cheap: its number and its place. Its paper (a TPaperSheet playing the
// page's metafile) and its label are child windows of the strip made when it comes near
// the visible part and released again when it is far from it, so a document of thousands
// of pages neither waits for thousands of windows nor runs out of window handles, and a
// page is played only when its thumbnail is painted.
//
// The strip's geometry (margin, thumbnail sizes, the labels' room for their numbers) is
// that of a 96-DPI display, scaled to the form's DPI; a new DPI lays it out again.
//
// The strip forgets its preview when the preview goes away.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "preview/page_preview.h"
#include "preview/paper_sheet.h"
#include "preview/preview_input.h"
#include "preview/scroll_box.h"
#include "preview/thumbnail_layout.h"
#include "ui/label.h"

namespace natalo {

class TThumbnail {
  public:
    explicit TThumbnail(int pageNo) : pageNo_(pageNo) {}
    TThumbnail(const TThumbnail&) = delete;
    TThumbnail& operator=(const TThumbnail&) = delete;
    // Frees the label, then the paper.
    ~TThumbnail();

    int PageNo() const { return pageNo_; }
    // The windows; null while the thumbnail is far out of view.
    TPaperSheet* Paper() const { return paper_.get(); }
    ui::Label* Label() const { return label_.get(); }
    // Where paper and label lie, in the strip's client coordinates at scroll position 0.
    const PixelRect& PaperBounds() const { return paperBounds_; }
    const PixelRect& LabelBounds() const { return labelBounds_; }

  private:
    friend class TThumbnailStrip;
    int pageNo_;
    PixelRect paperBounds_;
    PixelRect labelBounds_;
    std::unique_ptr<TPaperSheet> paper_;
    std::unique_ptr<ui::Label> label_;
};

class TThumbnailStrip : public ScrollBox, public PreviewThumbnailView {
  public:
    TThumbnailStrip(ui::Window& parent, const ui::Bounds& bounds);
    ~TThumbnailStrip() override;

    // The preview whose pages are shown, or none; not owned.
    TPagePreview* PagePreview() const { return preview_; }
    void SetPagePreview(TPagePreview* preview);
    // Thumbnail size in percent of the page at 100 %.
    int Zoom() const { return zoom_; }
    void SetZoom(int zoom);
    // Gap between thumbnails and to the edge.
    std::uint8_t Margin() const { return margin_; }
    void SetMargin(std::uint8_t margin);
    TColor MarkerColor() const { return markerColor_; }
    void SetMarkerColor(TColor color);
    TScrollBarKind Orientation() const { return orientation_; }
    void SetOrientation(TScrollBarKind orientation);
    // The look of the thumbnail papers.
    TPaperSheetOptions& PaperView() { return paperView_; }
    void SetPaperView(const TPaperSheetOptions& options) { paperView_.Assign(options); }
    // Whether Tab stops here, and a click on a thumbnail takes the focus.
    bool TabStop() const;
    void SetTabStop(bool tabStop);

    int ThumbnailCount() const { return static_cast<int>(thumbnails_.size()); }
    // Index i holds page i + 1.
    TThumbnail& Thumbnails(int index) { return *thumbnails_.at(static_cast<std::size_t>(index)); }
    // The thumbnail of the preview's current page, or null.
    TThumbnail* CurrentThumbnail() const { return current_; }
    int ColumnsPerRow() const { return columnsPerRow_; }
    int RowsPerColumn() const { return rowsPerColumn_; }

    // Scrolls so that r (client coordinates) is in view, with the bars' margins around it.
    virtual void ScrollRectInView(const RECT& r);
    // Lays the thumbnails out again (rebuild) and moves the marker to the current page.
    void UpdateThumbnails(bool rebuild) override;
    // Paints one thumbnail's page again (-1: all of them).
    void RepaintThumbnail(int index) override;
    void PagePreviewDestroyed(TPagePreview& preview) override;
    // The cell of one thumbnail for the preview's pages and the strip's font, in device
    // pixels: the cell of a 96-DPI display, scaled.
    virtual ThumbnailCell CalcThumbnailLayout() const;

    // After the marked thumbnail changed.
    std::function<void()> OnChange;

  protected:
    PixelSize ContentExtent() const override;
    void Scrolled() override { RealiseThumbnailsNearView(); }
    void Resized() override { UpdateThumbnails(true); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged(int oldDpi, int newDpi) override;

  private:
    static const char* ClassName();
    template <class T>
    void ChangeLayout(T& field, T value) {
        if (field == value)
            return;
        field = value;
        UpdateThumbnails(true);
    }
    LabelFontMetrics LabelMetrics() const;
    void Rebuild();
    void MoveMarker();
    void PlaceThumbnails(const ThumbnailCell& cell);
    void RemoveThumbnails();
    void RealiseThumbnailsNearView();
    void Realise(TThumbnail& thumbnail);
    void PlaceWindows(TThumbnail& thumbnail);
    ui::Bounds OnScreen(const PixelRect& content) const;
    void InvalidatePaper(TThumbnail* thumbnail);
    void PaintThumbnail(const TThumbnail& thumbnail, TCanvas& canvas, const RECT& pageRect);
    void ThumbnailClicked(int pageNo);
    bool HandleKey(WPARAM key);
    bool HandleWheel(WPARAM wParam, LPARAM lParam);

    TPagePreview* preview_ = nullptr;
    int zoom_ = 10;
    std::uint8_t margin_ = 6;
    TColor markerColor_ = clBlue;
    TScrollBarKind orientation_ = sbVertical;
    TPaperSheetOptions paperView_;
    HFONT font_ = nullptr;
    std::vector<std::unique_ptr<TThumbnail>> thumbnails_;
    TThumbnail* current_ = nullptr;
    int columnsPerRow_ = 0;
    int rowsPerColumn_ = 0;
    WheelAccumulator wheelDelta_;
    bool updating_ = false;
};

}  // namespace natalo
