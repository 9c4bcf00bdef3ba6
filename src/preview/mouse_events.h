// The mouse events of the preview's controls, and the one place that turns a window's
// mouse messages into them: presses, moves and releases with the button, the key state
// and the point, a click for a left press released over the control, a double click. The
// mouse is captured while a button is down, so a drag that leaves the control goes on.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/mouse_button.h"

namespace natalo {

// A press or release: the button, the MK_ key and button state, the point in the
// control's client coordinates.
using TMouseEvent = std::function<void(TMouseButton button, unsigned keys, int x, int y)>;
using TMouseMoveEvent = std::function<void(unsigned keys, int x, int y)>;

struct TMouseEvents {
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
};

class MouseDispatch {
  public:
    explicit MouseDispatch(TMouseEvents& events) : events_(events) {}

    // Whether the message was a button press of any kind.
    static bool IsPress(UINT message);
    // Fires the events of a mouse message. False for messages that the default handling
    // must see as well (a right release makes the context menu) or that are no mouse
    // messages.
    bool Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    TMouseEvents& events_;
    bool leftPressed_ = false;  // a left press that a release over the control clicks
};

}  // namespace natalo
