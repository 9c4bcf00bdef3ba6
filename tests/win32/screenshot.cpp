#include "win32/screenshot.h"

#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/com_ref.h"
#include "platform/win32_handle.h"

namespace natalo::testing {
namespace {

std::string ColourText(COLORREF colour) {
    char text[16] = {};
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// The build folder: the test program lives in <build>/tests/<folder>.
std::wstring BuildFolderFile(const char* name) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    for (int up = 0; up < 3; ++up)
        folder = folder.substr(0, folder.find_last_of(L"\\/"));
    return folder + L"\\" + std::wstring(name, name + std::strlen(name));
}

// An icon drawn over white, as 0x00RRGGBB pixels.
std::vector<DWORD> IconPixels(HICON icon, int size) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!bitmap || !bits)
        return {};
    SelectedObject selected(dc.get(), bitmap.get());
    const RECT all{0, 0, size, size};
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    ::GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    return {first, first + static_cast<std::size_t>(size) * static_cast<std::size_t>(size)};
}

}  // namespace

bool SameIconPicture(HICON a, HICON b, int size) {
    return a && b && IconPixels(a, size) == IconPixels(b, size);
}

Screenshot::Screenshot(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    windowCorner_ = {rect.left, rect.top};
    ::GetClientRect(window, &clientArea_);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&clientArea_), 2);
    ::OffsetRect(&clientArea_, -rect.left, -rect.top);
    width_ = std::max<int>(rect.right - rect.left, 0);
    height_ = std::max<int>(rect.bottom - rect.top, 0);
    pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    if (pixels_.empty())
        return;
    HDC screen = ::GetDC(nullptr);
    UniqueMemoryDc dc(::CreateCompatibleDC(screen));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, width_, height_));
    {
        SelectedObject selected(dc.get(), bitmap.get());
        ::BitBlt(dc.get(), 0, 0, width_, height_, screen, rect.left, rect.top, SRCCOPY);
    }
    ::ReleaseDC(nullptr, screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ::GetDIBits(dc.get(), bitmap.get(), 0, static_cast<UINT>(height_), pixels_.data(), &info,
                DIB_RGB_COLORS);
}

COLORREF Screenshot::Pixel(POINT point) const {
    if (point.x < 0 || point.y < 0 || point.x >= width_ || point.y >= height_)
        return CLR_INVALID;
    const DWORD pixel = pixels_[static_cast<std::size_t>(point.y) * width_ + point.x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

POINT Screenshot::FromClient(int x, int y) const {
    return {clientArea_.left + x, clientArea_.top + y};
}

RECT Screenshot::RectOf(HWND other) const {
    RECT rect{};
    ::GetWindowRect(other, &rect);
    ::OffsetRect(&rect, -windowCorner_.x, -windowCorner_.y);
    return rect;
}

::testing::AssertionResult Screenshot::HasColourAt(POINT point, COLORREF colour,
                                                   int tolerance) const {
    const COLORREF found = Pixel(point);
    if (found != CLR_INVALID && Near(found, colour, tolerance))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the pixel at " << point.x << "," << point.y << " is "
           << (found == CLR_INVALID ? "outside the window" : ColourText(found)) << ", not "
           << ColourText(colour);
}

::testing::AssertionResult Screenshot::HasColourIn(const RECT& rect, COLORREF colour,
                                                   int tolerance) const {
    for (int y = std::max<int>(rect.top, 0); y < std::min<int>(rect.bottom, height_); ++y) {
        for (int x = std::max<int>(rect.left, 0); x < std::min<int>(rect.right, width_); ++x) {
            if (Near(Pixel({x, y}), colour, tolerance))
                return ::testing::AssertionSuccess();
        }
    }
    return ::testing::AssertionFailure()
           << "no pixel of " << rect.left << "," << rect.top << " - " << rect.right << ","
           << rect.bottom << " is " << ColourText(colour);
}

bool Screenshot::Save(const char* fileName) const {
    if (pixels_.empty())
        return false;
    const bool comReady = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    bool saved = false;
    {
        ComRef<IWICImagingFactory> factory;
        ComRef<IWICBitmap> source;
        ComRef<IWICStream> stream;
        ComRef<IWICBitmapEncoder> encoder;
        ComRef<IWICBitmapFrameEncode> frame;
        ComRef<IPropertyBag2> properties;
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        const UINT stride = static_cast<UINT>(width_) * 4;
        saved =
            SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IWICImagingFactory,
                                         reinterpret_cast<void**>(factory.out()))) &&
            SUCCEEDED(factory->CreateBitmapFromMemory(
                static_cast<UINT>(width_), static_cast<UINT>(height_), GUID_WICPixelFormat32bppBGR,
                stride, stride * static_cast<UINT>(height_),
                reinterpret_cast<BYTE*>(const_cast<DWORD*>(pixels_.data())), source.out())) &&
            SUCCEEDED(factory->CreateStream(stream.out())) &&
            SUCCEEDED(
                stream->InitializeFromFilename(BuildFolderFile(fileName).c_str(), GENERIC_WRITE)) &&
            SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) &&
            SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
            SUCCEEDED(encoder->CreateNewFrame(frame.out(), properties.out())) &&
            SUCCEEDED(frame->Initialize(properties.get())) &&
            SUCCEEDED(frame->SetSize(static_cast<UINT>(width_), static_cast<UINT>(height_))) &&
            SUCCEEDED(frame->SetPixelFormat(&format)) &&
            SUCCEEDED(frame->WriteSource(source.get(), nullptr)) && SUCCEEDED(frame->Commit()) &&
            SUCCEEDED(encoder->Commit());
    }
    if (comReady)
        ::CoUninitialize();
    return saved;
}

::testing::AssertionResult AllOf(std::initializer_list<::testing::AssertionResult> checks) {
    for (const ::testing::AssertionResult& check : checks) {
        if (!check)
            return check;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowsOnScreen(HWND window, const char* fileName,
                                         const ScreenCheck& check,
                                         const std::function<void()>& serve,
                                         std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (serve)
            serve();
        const Screenshot shot(window);
        ::testing::AssertionResult verdict = check(shot);
        if (verdict || std::chrono::steady_clock::now() > end) {
            if (fileName && !shot.Save(fileName))
                return ::testing::AssertionFailure() << fileName << " was not saved";
            return verdict;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

}  // namespace natalo::testing
