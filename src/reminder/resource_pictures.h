// The program's own pictures, read from the resources of the running executable: icons
// for the picture buttons and JPEG pictures decoded with the Windows Imaging Component.
// A program without them (a test program) gets nothing, and the windows draw nothing.
#pragma once

#include <windows.h>

#include "platform/win32_handle.h"

namespace natalo {

// The icon with this resource id at size x size pixels, or null when the executable has
// none. Shared by the system: never destroy it.
HICON ResourceIcon(int id, int size);

// The JPEG picture stored as RCDATA under this id as a 32-bit top-down bitmap; empty when
// the resource is missing or cannot be decoded.
UniqueBitmap LoadJpegResource(int id);

// The size of a bitmap (0 x 0 for none).
SIZE BitmapSize(HBITMAP bitmap);

// Draws a bitmap at (x, y) in its own size; nothing for none.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);

}  // namespace natalo
