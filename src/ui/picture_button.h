// A clickable picture (an icon or a bitmap) without a button frame, with a tooltip hint.
// It shifts by a pixel while pressed. With a tab stop it can be focused and pressed with
// Space or Enter.
#pragma once

#include <functional>

#include "ui/control.h"

namespace natalo::ui {

class PictureButton : public Control {
  public:
    PictureButton(Window& parent, const Bounds& bounds, bool tabStop = false);

    // The picture is not owned: use shared or longer-living icons and bitmaps.
    void SetIcon(HICON icon);
    void SetBitmap(HBITMAP bitmap);
    void SetHandCursor(bool hand) { handCursor_ = hand; }
    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    // Runs the click handler, as a mouse click would.
    void Click();
    void ActivateByKeyboard() override { Click(); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    static const char* ClassName();
    void PaintTo(HDC dc);

    HICON icon_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    bool handCursor_ = true;
    bool pressed_ = false;
    bool pressedInside_ = false;
    std::function<void()> onClick_;
};

}  // namespace natalo::ui
