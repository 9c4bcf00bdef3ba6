// Fonts, brushes and device-context helpers shared by the window framework. Fonts and
// brushes are described by value and created once per distinct description, so that a
// hundred labels in the same face share one HFONT.
#pragma once

#include <windows.h>

#include <compare>
#include <string>

#include "platform/win32_handle.h"

namespace natalo::ui {

// A font by face name and size. Sizes are in points unless `inPixels` is set; a pixel size
// is the character height without internal leading (LOGFONT lfHeight = -size) at 96 DPI,
// and grows with the DPI like every other layout pixel.
struct FontSpec {
    std::string face = "MS Sans Serif";
    int size = 8;
    bool inPixels = false;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    static FontSpec Points(std::string face, int points);
    static FontSpec Pixels(std::string face, int pixels);
    FontSpec Bold(bool on = true) const;
    FontSpec Underlined(bool on = true) const;

    friend auto operator<=>(const FontSpec&, const FontSpec&) = default;
};

// The shared font for a description at a DPI, kept until the process ends.
HFONT CachedFont(const FontSpec& font, int dpi);
// A shared solid brush of a colour, kept until the process ends.
HBRUSH CachedBrush(COLORREF colour);

// Mixes two colours; `weight` 0 gives `from`, 255 gives `to`.
COLORREF BlendColour(COLORREF from, COLORREF to, int weight);
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// Fills a rectangle with a vertical gradient from `top` to `bottom`.
void FillVerticalGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom);

// The size DrawTextA gives `text` in `font` with `format` (DT_CALCRECT is added); with
// DT_WORDBREAK the text is wrapped at `wrapWidth`. Device pixels: a font is made for one
// DPI, so a measurement holds for the DPI of its font.
SIZE MeasureText(HFONT font, const std::string& text, UINT format, int wrapWidth = 0);

// BeginPaint/EndPaint for one WM_PAINT.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
    ~PaintScope() { ::EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A DC of a window (client or whole window) released at scope end.
class WindowDc {
  public:
    enum class Area { Client, Whole };
    explicit WindowDc(HWND window, Area area = Area::Client)
        : window_(window), dc_(area == Area::Whole ? ::GetWindowDC(window) : ::GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC dc() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// An off-screen bitmap to draw into without flicker, then copy to the real DC at once.
class OffscreenCanvas {
  public:
    OffscreenCanvas(HDC target, int width, int height);
    ~OffscreenCanvas();
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;
    HDC dc() const { return dc_.get(); }
    // Copies the canvas to `target` at (x, y).
    void CopyTo(HDC target, int x = 0, int y = 0) const;

  private:
    int width_;
    int height_;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace natalo::ui
