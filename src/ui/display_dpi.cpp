#include "ui/display_dpi.h"

#include <commctrl.h>

#include "ui/dpi_scale.h"
#include "ui/gdi.h"

namespace natalo::ui {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
using LoadIconWithScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, LPCWSTR, int, int, HICON*);

template <class Function>
Function Lookup(const char* module, const char* name) {
    HMODULE loaded = ::GetModuleHandleA(module);
    if (!loaded)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(loaded, name)));
}

struct DpiFunctions {
    GetDpiForWindowFunction dpiForWindow =
        Lookup<GetDpiForWindowFunction>("user32.dll", "GetDpiForWindow");
    GetDpiForSystemFunction dpiForSystem =
        Lookup<GetDpiForSystemFunction>("user32.dll", "GetDpiForSystem");
    GetSystemMetricsForDpiFunction systemMetrics =
        Lookup<GetSystemMetricsForDpiFunction>("user32.dll", "GetSystemMetricsForDpi");
    AdjustWindowRectExForDpiFunction adjustWindowRect =
        Lookup<AdjustWindowRectExForDpiFunction>("user32.dll", "AdjustWindowRectExForDpi");
    SystemParametersInfoForDpiFunction systemParameters =
        Lookup<SystemParametersInfoForDpiFunction>("user32.dll", "SystemParametersInfoForDpi");
    // In comctl32 version 6 only, which a program without the manifest does not load.
    LoadIconWithScaleDownFunction loadIconWithScaleDown =
        Lookup<LoadIconWithScaleDownFunction>("comctl32.dll", "LoadIconWithScaleDown");
};

const DpiFunctions& Functions() {
    static const DpiFunctions functions;
    return functions;
}

int ScreenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.dc(), LOGPIXELSX);
    return dpi > 0 ? dpi : kLayoutDpi;
}

}  // namespace

int SystemDpi() {
    static const int dpi = [] {
        if (auto dpiForSystem = Functions().dpiForSystem)
            return static_cast<int>(dpiForSystem());
        return ScreenDpi();
    }();
    return dpi;
}

int SystemDpiOfWindow(HWND window) {
    if (auto dpiForWindow = Functions().dpiForWindow; dpiForWindow && window) {
        if (const UINT dpi = dpiForWindow(window); dpi > 0)
            return static_cast<int>(dpi);
    }
    return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    if (auto systemMetrics = Functions().systemMetrics)
        return systemMetrics(index, static_cast<UINT>(dpi));
    return ::GetSystemMetrics(index);
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    if (auto adjust = Functions().adjustWindowRect) {
        adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
        return;
    }
    ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

bool SystemParametersForDpi(UINT action, UINT parameter, void* data, int dpi) {
    if (auto systemParameters = Functions().systemParameters) {
        const bool perDpi = action == SPI_GETICONTITLELOGFONT || action == SPI_GETICONMETRICS ||
                            action == SPI_GETNONCLIENTMETRICS;
        if (perDpi)
            return systemParameters(action, parameter, data, 0, static_cast<UINT>(dpi)) != FALSE;
    }
    return ::SystemParametersInfoA(action, parameter, data, 0) != FALSE;
}

HICON LoadIconForSize(HINSTANCE module, LPCSTR name, int size) {
    if (auto scaleDown = Functions().loadIconWithScaleDown) {
        HICON icon = nullptr;
        // The function takes a wide name; a resource number passes as it is.
        if (IS_INTRESOURCE(name)) {
            if (SUCCEEDED(scaleDown(module, reinterpret_cast<LPCWSTR>(name), size, size, &icon)))
                return icon;
        }
    }
    return static_cast<HICON>(::LoadImageA(module, name, IMAGE_ICON, size, size, 0));
}

}  // namespace natalo::ui
