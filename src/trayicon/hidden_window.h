// A hidden helper window: zero-sized, a pop-up tool window (so that it has no taskbar
// button but still hears broadcasts), never shown. Its messages go to one function;
// an exception from it is handed to the application's error handler, never to Windows.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/win32_handle.h"

namespace natalo {

struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DestroyWindow(h); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

class HiddenWindow {
  public:
    using MessageHandler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

    explicit HiddenWindow(MessageHandler handler);
    // The handler hears nothing of the window's own destruction.
    ~HiddenWindow();
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;

    HWND Handle() const { return window_.get(); }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    MessageHandler handler_;
    UniqueWindow window_;
};

}  // namespace natalo
