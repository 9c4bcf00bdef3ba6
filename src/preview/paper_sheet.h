// TPaperSheet: a sheet of paper on screen, a white page area with a thin border and a drop
// shadow, whose content is drawn by its owner (OnPaint). The control keeps a bitmap of its
// whole size: the frame is drawn into it once per size or colour change, the page once per
// invalidation, and every paint message is then a single BitBlt. The background is never
// erased, so repainting does not flicker.
//
// The control is PaperWidth + 2 × BorderSize + ShadowSize wide (likewise high). Border and
// shadow are given in layout pixels (96 DPI) and drawn at the form's DPI; the page area and
// the control's place are in device pixels, set by its owner, who lays it out again when
// the DPI changes. When the bitmap cannot be made at a new size (too large for memory), the
// paper paints nothing until it gets a size that works; BitmapValid tells the owner.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/win32_handle.h"
#include "preview/canvas.h"
#include "preview/mouse_events.h"
#include "preview/paper_sheet_options.h"
#include "ui/control.h"

namespace natalo {

// The RGB value of a toolkit colour; system colours are looked up now.
COLORREF ColorToRGB(TColor color);

// The mouse events (TMouseEvents) report points in the paper's client coordinates.
class TPaperSheet : public ui::Control, public TMouseEvents {
  public:
    // The default bounds hold a page area of 105 × 148 pixels.
    explicit TPaperSheet(ui::Window& parent, const ui::Bounds& bounds = {0, 0, 110, 153});

    TColor PaperColor() const { return paperColor_; }
    void SetPaperColor(TColor color);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color);
    // Changing a width keeps the page area's size: the control grows or shrinks.
    int BorderSize() const { return borderSize_; }
    void SetBorderSize(int size);
    int ShadowSize() const { return shadowSize_; }
    void SetShadowSize(int size);
    // Border and shadow in device pixels at the form's DPI.
    int BorderPixels() const { return Scaled(borderSize_); }
    int ShadowPixels() const { return Scaled(shadowSize_); }
    // The page area's size; setting it sizes the control.
    int PaperWidth() const;
    int PaperHeight() const;
    void SetPaperWidth(int width);
    void SetPaperHeight(int height);
    // Behind the shadow's offset corners.
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The screen cursor number shown over the paper.
    int Cursor() const { return cursor_; }
    void SetCursor(int cursor);
    // Shown on a right click; not owned.
    ui::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(ui::PopupMenu* menu) { popupMenu_ = menu; }
    // Takes the options' colours, widths, cursor and menu; the drag cursors are the
    // owner's business.
    void Assign(const TPaperSheetOptions& options);

    // Marks the page area to be drawn again and the window to be painted.
    void Invalidate();
    // Whether a focus rectangle is shown inside the page area: for an owner that has the
    // keyboard's focus while the form shows focus cues.
    void SetFocusCue(bool shown);
    // Whether the off-screen bitmap has the control's size.
    bool BitmapValid() const { return bitmapValid_; }
    // (BorderSize, BorderSize, Width - BorderSize - ShadowSize, Height - ...), in device
    // pixels.
    virtual RECT GetPageRect() const;

    // Draws the page content on the bitmap's canvas, clipped to the page rectangle.
    std::function<void(TPaperSheet& sender, TCanvas& canvas, const RECT& pageRect)> OnPaint;
    std::function<void()> OnResize;

  protected:
    // Border and shadow, into the bitmap.
    virtual void DrawFrame(HDC bitmap);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged(int oldDpi, int newDpi) override;

  private:
    static const char* ClassName();
    SIZE Size() const;
    int FrameThickness() const { return 2 * BorderPixels() + ShadowPixels(); }
    void SetPageSize(int width, int height);
    void ResizeBitmap();
    void Paint(HDC target);
    void ChangeFrameColor(TColor& field, TColor color);
    void ChangeFrameWidth(int& field, int size);

    TColor paperColor_ = clWhite;
    TColor borderColor_ = clBlack;
    TColor shadowColor_ = clBtnShadow;
    TColor color_ = clWindow;
    int borderSize_ = 1;
    int shadowSize_ = 3;
    int cursor_ = crDefault;
    ui::PopupMenu* popupMenu_ = nullptr;

    UniqueBitmap bitmap_;
    SIZE bitmapSize_{0, 0};
    bool bitmapValid_ = false;
    bool frameDrawn_ = false;
    bool pageDrawn_ = false;
    bool focusCue_ = false;
    MouseDispatch mouse_{*this};
};

}  // namespace natalo
