// A hidden helper window: zero-sized, a pop-up tool window (so that it has no taskbar
// button but still hears broadcasts), never shown. Its messages go to one function; it is
// bound like every window of the framework, so an exception from the function is handed
// to the application's error handler, never to Windows.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/window.h"

namespace natalo {

class HiddenWindow : public ui::Window {
  public:
    using MessageHandler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

    // Throws when the window cannot be made.
    explicit HiddenWindow(MessageHandler handler);

  protected:
    // The handler hears the messages of the finished window only: nothing of its creation
    // and nothing of its destruction (see ui::Window on the destroy order).
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    MessageHandler handler_;
    bool created_ = false;
};

}  // namespace natalo
