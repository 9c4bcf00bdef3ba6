// The tooltip control of a form: one per form (TTS_ALWAYSTIP | TTS_NOPREFIX), one tool
// per control that has a hint. "\r\n" in a hint breaks the line.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace natalo::ui {

class Tooltip {
  public:
    Tooltip(HWND owner, int dpi);
    ~Tooltip();
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    HWND Handle() const { return handle_; }
    // Shows `text` over `tool`; an empty text removes the tool.
    void SetTip(HWND tool, const std::string& text);
    // A disabled window gets no mouse input (its parent gets it): its tip is shown over
    // the owner's area under the window instead, kept there when the window moves with
    // the DPI.
    void SetAreaTip(HWND tool, const std::string& text);
    // Removes the tool of a window, by either kind.
    void RemoveTip(HWND tool);
    bool HasTip(HWND tool) const;
    std::string TipText(HWND tool) const;
    // The owner was laid out at another DPI.
    void DpiChanged(int dpi);

  private:
    void UpdateArea(HWND tool);

    HWND owner_;
    HWND handle_;
    std::vector<HWND> areaTools_;
};

}  // namespace natalo::ui
