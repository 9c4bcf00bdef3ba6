// A label that looks and acts like a web link: hand cursor, underlined font by default,
// its own colour and an optional other colour while the mouse is over it. It is a command:
// a tab stop, pressed with Space and Enter, a button to screen readers named by its text.
#pragma once

#include <optional>

#include "ui/label.h"

namespace natalo::ui {

class LinkLabel : public Label {
  public:
    // Blue and underlined until told otherwise.
    LinkLabel(Window& parent, const Bounds& bounds, const std::string& text);

    // The colour while the mouse is over the link; none keeps the normal colour.
    void SetHoverColour(std::optional<COLORREF> colour);
    bool Hovered() const { return hovered_; }
    COLORREF CurrentTextColour() const override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    std::optional<COLORREF> hoverColour_;
    bool hovered_ = false;
};

}  // namespace natalo::ui
