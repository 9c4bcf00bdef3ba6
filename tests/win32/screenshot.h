// Saves what the screen shows of a window (frame included) as a PNG file in the build
// folder, for people to look at. The test program must live in <build>/tests/<folder>.
#pragma once

#include <windows.h>

namespace natalo::testing {

bool SaveWindowScreenshot(HWND window, const char* fileName);

}  // namespace natalo::testing
