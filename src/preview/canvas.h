// A drawing surface on a device context it does not own: the page canvas of a recorded
// page, and the printer's canvas. It keeps a font, a pen and a brush described by value and
// realises them in the device context when something is drawn.
//
// A font's size is in points; its pixels per inch say how many logical units make an
// inch on this DC, so that a scaled canvas (0.01 mm per unit, say) still draws a 12-point
// font 12/72 inch high.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32_handle.h"

namespace natalo {

struct TFont {
    std::string Name = "Arial";
    int Size = 8;  // points
    COLORREF Color = RGB(0, 0, 0);
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int PixelsPerInch = 96;  // logical units per inch of the canvas it is used on
    // The LOGFONT height: the character height without internal leading, negative.
    int Height() const { return -::MulDiv(Size, PixelsPerInch, 72); }
    friend bool operator==(const TFont&, const TFont&) = default;
};

struct TPen {
    COLORREF Color = RGB(0, 0, 0);
    int Width = 1;  // logical units
    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    COLORREF Color = RGB(255, 255, 255);
    bool Clear = false;  // draws no background
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

// The LOGFONT that a canvas creates for the font.
LOGFONTA LogicalFontOf(const TFont& font);

class TCanvas {
  public:
    TCanvas() = default;
    explicit TCanvas(HDC dc) { SetHandle(dc); }
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The device context with the current font, pen and brush selected.
    HDC Handle();
    // Changes the device context; the objects selected into the old one are put back
    // first. Null detaches the canvas.
    void SetHandle(HDC dc);
    bool HasHandle() const { return dc_ != nullptr; }

    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    const TPen& Pen() const { return pen_; }
    void SetPen(const TPen& pen);
    const TBrush& Brush() const { return brush_; }
    void SetBrush(const TBrush& brush);

    void TextOut(int x, int y, const std::string& text);
    void Rectangle(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);

  private:
    void Realise();
    void Unselect();

    HDC dc_ = nullptr;
    TFont font_;
    TPen pen_;
    TBrush brush_;
    UniqueFont realisedFont_;
    UniquePen realisedPen_;
    UniqueBrush realisedBrush_;
    bool stale_ = true;
    HGDIOBJ originalFont_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
};

}  // namespace natalo
