// The look of a previewed sheet of paper: its colours, the width of its border and drop
// shadow, the cursors shown over it and its context menu. The page preview and the
// thumbnail strip each keep one set and pass it on to their papers; every change is
// reported to the owner.
#pragma once

#include <cstdint>
#include <functional>

namespace natalo {

namespace ui {
class PopupMenu;
}

// A colour as the toolkit numbers them: 0x00BBGGRR (blue in the high byte, red in the low
// byte), or a system colour's index with the high bit set, looked up when it is drawn so
// that it follows the user's colour scheme.
using TColor = std::uint32_t;
constexpr TColor kSystemColorBit = 0x80000000u;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWindow = kSystemColorBit | 5;
constexpr TColor clBtnFace = kSystemColorBit | 15;
constexpr TColor clBtnShadow = kSystemColorBit | 16;

// Screen cursor numbers: the arrow, and the open and grabbing hands of the preview.
constexpr int crDefault = 0;
constexpr int crHandOpen = 10;
constexpr int crHandGrab = 11;

class TPaperSheetOptions {
  public:
    TPaperSheetOptions() = default;
    TPaperSheetOptions(const TPaperSheetOptions&) = delete;
    TPaperSheetOptions& operator=(const TPaperSheetOptions&) = delete;

    TColor PaperColor() const { return paperColor_; }
    void SetPaperColor(TColor color) { Change(paperColor_, color); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color) { Change(borderColor_, color); }
    // Widths in pixels; a negative width counts as 0.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width) { Change(borderWidth_, width < 0 ? 0 : width); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color) { Change(shadowColor_, color); }
    int ShadowWidth() const { return shadowWidth_; }
    void SetShadowWidth(int width) { Change(shadowWidth_, width < 0 ? 0 : width); }
    // Over a paper that fits, over one that can be dragged, and while it is dragged.
    int Cursor() const { return cursor_; }
    void SetCursor(int cursor) { Change(cursor_, cursor); }
    int DragCursor() const { return dragCursor_; }
    void SetDragCursor(int cursor) { Change(dragCursor_, cursor); }
    int GrabCursor() const { return grabCursor_; }
    void SetGrabCursor(int cursor) { Change(grabCursor_, cursor); }
    // Not owned; it must outlive the options.
    ui::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(ui::PopupMenu* menu) { Change(popupMenu_, menu); }

    // Copies every property through its setter, so each one that changes is reported.
    void Assign(const TPaperSheetOptions& source);
    void AssignTo(TPaperSheetOptions& dest) const { dest.Assign(*this); }

    std::function<void()> OnChange;

  private:
    template <class T>
    void Change(T& field, T value) {
        if (field == value)
            return;
        field = value;
        if (OnChange)
            OnChange();
    }

    TColor paperColor_ = clWhite;
    TColor borderColor_ = clBlack;
    int borderWidth_ = 1;
    TColor shadowColor_ = clBtnShadow;
    int shadowWidth_ = 3;
    int cursor_ = crDefault;
    int dragCursor_ = crHandOpen;
    int grabCursor_ = crHandGrab;
    ui::PopupMenu* popupMenu_ = nullptr;
};

}  // namespace natalo
