// The tooltip control of a form: one per form (TTS_ALWAYSTIP | TTS_NOPREFIX), one tool
// per control that has a hint. "\r\n" in a hint breaks the line.
#pragma once

#include <windows.h>

#include <string>

namespace natalo::ui {

class Tooltip {
  public:
    explicit Tooltip(HWND owner);
    ~Tooltip();
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    HWND Handle() const { return handle_; }
    // Shows `text` over `tool`; an empty text removes the tool.
    void SetTip(HWND tool, const std::string& text);
    void RemoveTip(HWND tool);
    bool HasTip(HWND tool) const;
    std::string TipText(HWND tool) const;

  private:
    HWND owner_;
    HWND handle_;
};

}  // namespace natalo::ui
