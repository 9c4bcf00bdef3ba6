// The hourglass while the program works on something the user waits for; the arrow again
// when the work ends, however it ends.
#pragma once

#include <windows.h>

namespace natalo::ui {

class WaitCursor {
  public:
    WaitCursor() { ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT)); }
    ~WaitCursor() { ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW)); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace natalo::ui
