// The screen cursors by number, as preview papers name them: crDefault the arrow,
// crHandOpen (10) the open hand of the program's cursor resource "CURSOR_HAND" and
// crHandGrab (11) the grabbing hand of "CURSOR_GRAB". A program without those resources
// gets the system's hand and move cursors instead, and any other number the arrow.
#pragma once

#include <windows.h>

namespace natalo {

HCURSOR ScreenCursor(int number);

}  // namespace natalo
