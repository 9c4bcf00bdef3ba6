// What the system says about the display's DPI. The functions that give it per window or
// per DPI are newer than Windows 7 (Windows 10 1607 for most); they are looked up in
// user32.dll at run time, and on older systems every answer is the system DPI's.
#pragma once

#include <windows.h>

namespace natalo::ui {

// The DPI of the whole session (the primary display's, on Windows 7 and 8).
int SystemDpi();
// The DPI of the display a window is on.
int SystemDpiOfWindow(HWND window);
// GetSystemMetrics for a DPI.
int SystemMetricForDpi(int index, int dpi);
// AdjustWindowRectEx for a DPI.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// SystemParametersInfoA for a DPI, for the parameters that depend on it (metrics of
// non-client parts and icons); the system's own for the others.
bool SystemParametersForDpi(UINT action, UINT parameter, void* data, int dpi);
// An icon resource at `size` × `size` device pixels: the image of that size, or a larger
// one scaled down (never a small one blown up, where the system can help it). The caller
// owns the icon; null when the module has no such icon.
HICON LoadIconForSize(HINSTANCE module, LPCSTR name, int size);

}  // namespace natalo::ui
