// A text label drawn by the framework, so that its font, colour and transparency are
// exact: transparent labels show the parent's background (colour and whatever the parent
// paints), not sibling controls. By default a label sizes itself to its text; with
// auto-size off the width stays and text beyond it is cut off.
//
// A label that is a command (a link) is an owner-drawn BUTTON instead of a window of the
// framework's own class: a tab stop that Space and Enter press, which screen readers
// announce as a button named by its text. It looks the same.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/control.h"

namespace natalo::ui {

enum class TextAlignment { Left, Center, Right };

class Label : public Control {
  public:
    // With auto-size (the default) the label takes its text's size and a width or height
    // of 0 is fine; without, it keeps `bounds` and cuts off what does not fit.
    Label(Window& parent, const Bounds& bounds, const std::string& text, bool autoSize = true);

    void SetTextColour(COLORREF colour);
    COLORREF TextColour() const { return textColour_; }
    // A background colour makes the label opaque; none (the default) makes it transparent.
    void SetBackground(std::optional<COLORREF> colour);
    bool Transparent() const { return !background_; }
    void SetAutoSize(bool autoSize);
    bool AutoSize() const { return autoSize_; }
    // Wraps at the current width; auto-size then only adjusts the height.
    void SetWordWrap(bool wrap);
    void SetAlignment(TextAlignment alignment);
    // Whether "&" marks a mnemonic (the default) or is shown as is.
    void SetShowAccelChar(bool show);
    // Keeps an auto-sized label centred between layout x = `left` and `left + width`,
    // whatever width its text takes.
    void CentreBetween(int left, int width);
    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }

    // The colour the text is drawn in right now.
    virtual COLORREF CurrentTextColour() const;
    // Draws the label into `dc` (origin at the label's top-left corner).
    void PaintTo(HDC dc);
    // Enter on a command label runs its click.
    void ActivateByKeyboard() override;

  protected:
    enum class Role {
        Text,     // shows a text (a click may still do something, as on free area)
        Command,  // a link: reached with Tab, pressed with Space and Enter
    };
    Label(Window& parent, const Bounds& bounds, const std::string& text, bool autoSize, Role role);
    bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // With auto-size, the scaled position and the text's measured size.
    Bounds DeviceBounds() const override;
    UINT DrawFormat() const;
    void AdjustSize() { Place(); }
    void Clicked();

  private:
    static const char* ClassName();
    LRESULT HandleTextMessage(UINT message, WPARAM wParam, LPARAM lParam);

    Role role_;
    HFONT font_ = nullptr;
    COLORREF textColour_;
    std::optional<COLORREF> background_;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    bool pressed_ = false;
    TextAlignment alignment_ = TextAlignment::Left;
    struct Span {
        int left;
        int width;
    };
    std::optional<Span> centreSpan_;
    std::function<void()> onClick_;
};

// Paints what the parent shows behind a child window into `dc` (origin at the child).
void PaintParentBackground(HWND child, HDC dc);

}  // namespace natalo::ui
