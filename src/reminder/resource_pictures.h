// The program's own artwork, read from the resources of the running executable: JPEG
// pictures decoded with the Windows Imaging Component, at the size for a DPI. A program
// without them (a test program) gets nothing, and the windows draw nothing.
#pragma once

#include <windows.h>

#include "platform/win32_handle.h"

namespace natalo {

// A picture stored twice as RCDATA: drawn for 96 DPI, and drawn twice as large for the
// higher DPIs to be scaled down from (never up).
struct Artwork {
    int id;
    int twiceSizeId;
};

// The picture as a 32-bit top-down bitmap at the size for `dpi`; empty when the resource
// is missing or cannot be decoded.
UniqueBitmap LoadArtwork(const Artwork& artwork, int dpi);

// The size of a bitmap (0 x 0 for none).
SIZE BitmapSize(HBITMAP bitmap);

// Draws a bitmap at (x, y) in its own size; nothing for none.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);

}  // namespace natalo
