// Text entry: `Edit` for one line (scrolls horizontally, no length limit), `Memo` for
// many lines with scroll bars.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace natalo::ui {

class EditBase : public Control {
  public:
    // 0 lifts the limit (as far as the control allows).
    void SetMaxLength(size_t length);
    void SetReadOnly(bool readOnly);
    bool ReadOnly() const;
    void SelectAll();
    void OnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

  protected:
    EditBase(Window& parent, const Bounds& bounds, const std::string& text, DWORD style);
    bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    std::function<void()> onChange_;
};

class Edit : public EditBase {
  public:
    Edit(Window& parent, const Bounds& bounds, const std::string& text = "");
};

// A multi-line edit. Tab and Escape belong to its window's keyboard navigation (to the
// next control, and the window's Escape), not to the text: the lists it holds have no
// use for tab characters.
class Memo : public EditBase {
  public:
    enum class ScrollBars { None, Vertical, Horizontal, Both };
    Memo(Window& parent, const Bounds& bounds, const std::string& text = "",
         ScrollBars scrollBars = ScrollBars::Vertical, bool wordWrap = true);

    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    void AppendLine(const std::string& line);
    // Adds the text at the end; the caret follows it.
    void AppendText(std::string_view text);
    // Removes the start of the text, as many characters as the ANSI text `front` holds:
    // much quicker than setting the rest anew when the text is long.
    void DeleteFront(std::string_view front);
    // Caret and view to the start of the text.
    void ScrollToStart();

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace natalo::ui
