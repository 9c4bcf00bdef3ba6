// A clickable icon without a button frame, with a tooltip hint. It is a real push button
// (an owner-drawn BUTTON), so that Tab reaches it, Space and Enter press it and a screen
// reader announces a button named by its hint, its window text. The icon is taken from
// the resources at the size for the form's DPI, again when the DPI changes. It shifts by
// a pixel while pressed; once the keyboard is in use, the focused one is framed.
#pragma once

#include <functional>

#include "platform/win32_handle.h"
#include "ui/control.h"

namespace natalo::ui {

class PictureButton : public Control {
  public:
    PictureButton(Window& parent, const Bounds& bounds);

    // The icon resource `name` of `module` (null: the system's icons), drawn
    // `layoutSize` layout pixels square.
    void SetIcon(HINSTANCE module, LPCSTR name, int layoutSize);
    HICON Icon() const { return icon_.get(); }
    void SetHandCursor(bool hand) { handCursor_ = hand; }
    // The tooltip, and the button's name for screen readers.
    void SetHint(const std::string& hint) override;
    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    // Runs the click handler, as a mouse click would.
    void Click();
    void ActivateByKeyboard() override { Click(); }
    void DpiChanged(int oldDpi, int newDpi) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void ReloadIcon();
    void PaintTo(HDC dc, bool pressed, bool focusCue);

    HINSTANCE iconModule_ = nullptr;
    LPCSTR iconName_ = nullptr;
    int iconSize_ = 0;  // layout pixels
    UniqueIcon icon_;
    bool handCursor_ = true;
    std::function<void()> onClick_;
};

}  // namespace natalo::ui
