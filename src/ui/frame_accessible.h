// What screen readers learn of the parts of a form that the framework draws itself, which
// the system cannot see into: the title band (its caption, the date included where the
// band shows one) and the menu strip (its items, each opened by its default action as a
// click or Alt+letter would). The form answers WM_GETOBJECT for OBJID_TITLEBAR and
// OBJID_MENU with these.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace natalo::ui {

// The parts as the form has them now.
class FrameParts {
  public:
    virtual std::string TitleText() const = 0;
    // The menu strip's captions with their "&" mnemonics; none without a strip.
    virtual std::vector<std::string> MenuStripCaptions() const = 0;
    // Where a part lies on the screen: the band for index -1, else the strip's item.
    virtual RECT PartOnScreen(int index) const = 0;
    // Opens a strip item soon, once the caller (perhaps another process) has its answer:
    // the menu runs a loop of its own.
    virtual void OpenMenuStripItemSoon(int index) = 0;

  protected:
    ~FrameParts() = default;
};

enum class FramePart { TitleBand, MenuStrip };

// The answer to WM_GETOBJECT for a part of the window's frame: an object that asks the
// window's FrameParts for everything, so that it tells the truth later and fails cleanly
// once the window is gone.
LRESULT AccessibleFramePart(HWND window, FramePart part, WPARAM wParam);

// The window's FrameParts, while it exists (the form bound to it), or null.
FrameParts* FramePartsOf(HWND window);

}  // namespace natalo::ui
