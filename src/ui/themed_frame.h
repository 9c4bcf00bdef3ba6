// The themed window frame every form wears: a border of configurable width and colour, a
// title band with the program icon, a caption and the title-bar buttons the window asks
// for, an optional menu strip under the band, and optional rounded corners. It is all
// drawn in the non-client area (WM_NCCALCSIZE, WM_NCPAINT, WM_NCHITTEST, WM_NCACTIVATE),
// so the client area is exactly the size a layout gives and control coordinates are
// client coordinates. Its style is in layout pixels; it is drawn at the window's DPI.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/dpi_scale.h"
#include "ui/gdi.h"

namespace natalo::ui {

enum class FrameButton { None, SystemMenu, Minimize, Maximize, Close };

// The title-bar buttons a window shows. The system menu is the program icon at the left
// of the band, which opens the window menu when clicked.
struct BorderIcons {
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = true;
    bool close = true;
    static BorderIcons None() { return {false, false, false, false}; }
};

struct FrameStyle {
    int titleHeight = 28;
    COLORREF titleTop = RGB(47, 111, 189);
    COLORREF titleBottom = RGB(36, 92, 164);
    COLORREF inactiveTitleTop = RGB(124, 146, 178);
    COLORREF inactiveTitleBottom = RGB(108, 130, 162);
    FontSpec captionFont = FontSpec::Points("Tahoma", 8).Bold();
    COLORREF captionColour = RGB(255, 255, 255);
    int borderWidth = 1;
    COLORREF borderColour = RGB(30, 78, 142);
    // 0 = square corners; otherwise the radius of the window's rounded corners.
    int cornerRadius = 0;
    bool showIcon = true;
    FontSpec menuFont = FontSpec::Points("Tahoma", 8);
    COLORREF menuBackground = RGB(250, 251, 253);
    COLORREF menuText = RGB(28, 32, 40);
    COLORREF menuHot = RGB(214, 229, 247);
    COLORREF menuLine = RGB(218, 222, 230);
};

// What the frame asks of the window it decorates.
class FrameHost {
  public:
    virtual void FrameButtonClicked(FrameButton button) = 0;
    // A menu strip item was clicked or chosen with Alt+letter.
    virtual void MenuStripItemChosen(int index, bool byKeyboard) = 0;

  protected:
    ~FrameHost() = default;
};

class ThemedFrame {
  public:
    ThemedFrame(FrameStyle style, BorderIcons icons, bool resizable);

    const FrameStyle& Style() const { return style_; }
    const BorderIcons& Icons() const { return icons_; }
    // The DPI the frame is drawn at.
    void SetDpi(int dpi) { dpi_ = dpi; }
    // Widths of the non-client parts in device pixels: left, top (border, band and menu
    // strip), right, bottom; at the frame's DPI or at another.
    RECT Margins() const { return MarginsAt(dpi_); }
    RECT MarginsAt(int dpi) const;

    // The band's caption when it differs from the window text.
    void SetCaption(std::optional<std::string> caption) { caption_ = std::move(caption); }
    // The band's caption as drawn: the own caption or the window text.
    std::string CaptionText(HWND window) const;

    // Menu strip items (captions with & mnemonics); none hides the strip.
    void SetMenuItems(std::vector<std::string> captions) { menuItems_ = std::move(captions); }
    const std::vector<std::string>& MenuItems() const { return menuItems_; }
    int MenuStripHeight() const { return MenuStripHeightAt(dpi_); }
    // The strip item shown as open while its popup menu runs (-1: none).
    void SetOpenMenuItem(HWND window, int index);
    // The strip item whose mnemonic is `key`, or -1.
    int MenuItemForKey(char key) const;

    // Rectangles in window coordinates (origin at the window's top-left corner).
    RECT ButtonRect(HWND window, FrameButton button) const;
    RECT MenuItemRect(HWND window, int index) const;
    RECT TitleBandRect(HWND window) const;

    // Handles the non-client messages and the mouse tracking of the title-bar buttons.
    bool HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                       FrameHost& host);
    // Repaints the whole frame now.
    void Redraw(HWND window);
    // Draws the frame into a DC whose origin is the window's top-left corner.
    void Paint(HWND window, HDC dc);
    // Sets the rounded window region for the current size (nothing when square).
    void ApplyCorners(HWND window) const;

  private:
    int Px(int layoutPixels) const { return ScaleToDpi(layoutPixels, dpi_); }
    int MenuStripHeightAt(int dpi) const;
    LRESULT HitTest(HWND window, POINT screenPoint) const;
    FrameButton ButtonAt(HWND window, POINT windowPoint) const;
    int MenuItemAt(HWND window, POINT windowPoint) const;
    std::vector<FrameButton> VisibleButtons() const;
    void DrawButton(HDC dc, HWND window, FrameButton button, COLORREF bandColour) const;

    FrameStyle style_;
    BorderIcons icons_;
    bool resizable_;
    int dpi_ = kLayoutDpi;
    bool active_ = true;
    std::optional<std::string> caption_;
    std::vector<std::string> menuItems_;
    int openMenuItem_ = -1;
    FrameButton hotButton_ = FrameButton::None;
    FrameButton pressedButton_ = FrameButton::None;
    bool tracking_ = false;  // a title-bar button holds the mouse capture
    bool pressedInside_ = false;
};

}  // namespace natalo::ui
