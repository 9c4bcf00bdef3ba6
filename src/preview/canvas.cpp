#include "preview/canvas.h"

namespace natalo {

LOGFONTA LogicalFontOf(const TFont& font) {
    LOGFONTA logFont{};
    logFont.lfHeight = font.Height();
    logFont.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font.Italic;
    logFont.lfUnderline = font.Underline;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    ::lstrcpynA(logFont.lfFaceName, font.Name.c_str(), LF_FACESIZE);
    return logFont;
}

TCanvas::~TCanvas() {
    Unselect();
}

HDC TCanvas::Handle() {
    Realise();
    return dc_;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_)
        return;
    Unselect();
    dc_ = dc;
    stale_ = true;
}

void TCanvas::SetFont(const TFont& font) {
    if (font == font_)
        return;
    font_ = font;
    stale_ = true;
}

void TCanvas::SetPen(const TPen& pen) {
    if (pen == pen_)
        return;
    pen_ = pen;
    stale_ = true;
}

void TCanvas::SetBrush(const TBrush& brush) {
    if (brush == brush_)
        return;
    brush_ = brush;
    stale_ = true;
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    HDC dc = Handle();
    if (!dc)
        return;
    ::TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (HDC dc = Handle())
        ::Rectangle(dc, left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y) {
    if (HDC dc = Handle())
        ::MoveToEx(dc, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    if (HDC dc = Handle())
        ::LineTo(dc, x, y);
}

// Creates the GDI objects for the described font, pen and brush and selects them. The
// old objects are deleted only after the new ones are selected.
void TCanvas::Realise() {
    if (!dc_ || !stale_)
        return;
    const LOGFONTA logFont = LogicalFontOf(font_);
    UniqueFont font(::CreateFontIndirectA(&logFont));
    UniquePen pen(::CreatePen(PS_SOLID, pen_.Width, pen_.Color));
    UniqueBrush brush(brush_.Clear ? nullptr : ::CreateSolidBrush(brush_.Color));

    HGDIOBJ previousFont = ::SelectObject(dc_, font.get());
    HGDIOBJ previousPen = ::SelectObject(dc_, pen.get());
    HGDIOBJ previousBrush = ::SelectObject(
        dc_, brush ? static_cast<HGDIOBJ>(brush.get()) : ::GetStockObject(NULL_BRUSH));
    if (!originalFont_) {
        originalFont_ = previousFont;
        originalPen_ = previousPen;
        originalBrush_ = previousBrush;
    }
    realisedFont_ = std::move(font);
    realisedPen_ = std::move(pen);
    realisedBrush_ = std::move(brush);
    ::SetTextColor(dc_, font_.Color);
    ::SetBkColor(dc_, brush_.Color);
    ::SetBkMode(dc_, brush_.Clear ? TRANSPARENT : OPAQUE);
    stale_ = false;
}

void TCanvas::Unselect() {
    if (dc_ && originalFont_) {
        ::SelectObject(dc_, originalFont_);
        ::SelectObject(dc_, originalPen_);
        ::SelectObject(dc_, originalBrush_);
    }
    originalFont_ = originalPen_ = originalBrush_ = nullptr;
    realisedFont_.reset();
    realisedPen_.reset();
    realisedBrush_.reset();
    stale_ = true;
}

}  // namespace natalo
