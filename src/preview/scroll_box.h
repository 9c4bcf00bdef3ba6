// A scrolling client area for the print preview's components: the window's own scroll
// bars (WS_HSCROLL, WS_VSCROLL), shown only while the content is larger than the client
// area. Each direction has a position (how far the content is scrolled), a range (the
// content's extent from its start plus the margin after it, recomputed from the content),
// an increment (one line's step), a margin and a Visible flag (whether its bar may show at
// all). Changing a position moves the child windows with the content. While the box has
// the focus and its form shows focus cues, a focus rectangle runs along its client area's
// edge.
#pragma once

#include <windows.h>

#include "preview/preview_geometry.h"
#include "ui/control.h"

namespace natalo {

class ScrollBox;

class TControlScrollBar {
  public:
    int Position() const { return position_; }
    // Limited to 0..Range less the client extent.
    void SetPosition(int position);
    int Range() const { return range_; }
    int Increment() const { return increment_; }
    void SetIncrement(int increment) { increment_ = increment; }
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    // Whether the bar may show; without it the direction does not scroll.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Whether the bar shows now.
    bool IsScrollBarVisible() const { return showing_; }

  private:
    friend class ScrollBox;
    TControlScrollBar(ScrollBox& owner, int bar) : owner_(owner), bar_(bar) {}

    ScrollBox& owner_;
    int bar_;  // SB_HORZ or SB_VERT
    int position_ = 0;
    int range_ = 0;
    int increment_ = 8;
    int margin_ = 0;
    bool visible_ = true;
    bool showing_ = false;
};

class ScrollBox : public ui::Control {
  public:
    ~ScrollBox() override;

    TControlScrollBar& HorzScrollBar() { return horz_; }
    TControlScrollBar& VertScrollBar() { return vert_; }
    const TControlScrollBar& HorzScrollBar() const { return horz_; }
    const TControlScrollBar& VertScrollBar() const { return vert_; }

  protected:
    ScrollBox(ui::Window& parent, const ui::Bounds& bounds, const char* className, DWORD style);

    // While suspended, ranges keep their values; resuming recomputes them.
    void DisableAutoRange() { ++autoRangeSuspended_; }
    void EnableAutoRange();
    // Recomputes both ranges from the content, shows or hides the bars and keeps the
    // positions inside the new ranges.
    void UpdateScrollRanges();
    // The content's far right and bottom edges at position 0. The default takes every
    // visible child window.
    virtual PixelSize ContentExtent() const;
    // After a position changed and the children moved.
    virtual void Scrolled() {}
    // After the size of the client area changed (the ranges are up to date).
    virtual void Resized() {}
    // The colour of the client area's background.
    virtual COLORREF BackgroundColor() const;
    // The focus cue came or went.
    virtual void FocusCueChanged(bool shown) { (void)shown; }
    // The width of a vertical scroll bar and the height of a horizontal one: as the
    // system made them where they show, as they would come at the form's DPI elsewhere.
    PixelSize ScrollBarSizes() const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    friend class TControlScrollBar;
    void MoveTo(TControlScrollBar& bar, int position);
    void ScrollMessage(TControlScrollBar& bar, unsigned code);
    void ApplyBar(TControlScrollBar& bar, int clientExtent);
    void RedrawBarsLater();
    void UpdateFocusCue();
    void PaintFocusCue(HDC dc) const;

    TControlScrollBar horz_{*this, SB_HORZ};
    TControlScrollBar vert_{*this, SB_VERT};
    int autoRangeSuspended_ = 0;
    bool updatingRanges_ = false;
    bool resizePending_ = false;
    bool focusCueShown_ = false;
};

}  // namespace natalo
