#include "win32/screenshot.h"

#include <commctrl.h>
#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "platform/com_ref.h"
#include "platform/win32_handle.h"
#include "win32/window_lookup.h"

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

}  // namespace

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
    return FromScreen(rect);
}

RECT Screenshot::FromScreen(RECT rect) const {
    ::OffsetRect(&rect, -windowCorner_.x, -windowCorner_.y);
    return rect;
}

RECT Screenshot::ClientAreaOf(HWND other) const {
    RECT rect{};
    ::GetClientRect(other, &rect);
    ::MapWindowPoints(other, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return FromScreen(rect);
}

RECT Screenshot::ListRow(HWND list, int row) const {
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&rect));
    ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    RECT shown{};
    const RECT onPicture = FromScreen(rect), client = ClientAreaOf(list);
    ::IntersectRect(&shown, &onPicture, &client);
    return shown;
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

::testing::AssertionResult Screenshot::HasMarksIn(const RECT& rect, int wanted) const {
    constexpr int kStandsOut = 150;  // red, green and blue differences added up
    const int left = std::max<int>(rect.left, 0), right = std::min<int>(rect.right, width_);
    const int top = std::max<int>(rect.top, 0), bottom = std::min<int>(rect.bottom, height_);
    std::map<COLORREF, int> counts;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            ++counts[Pixel({x, y})];
    }
    if (counts.empty())
        return ::testing::AssertionFailure() << "the rectangle lies outside the picture";
    const COLORREF ground =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    int marks = 0;
    for (const auto& [colour, count] : counts) {
        const int difference = std::abs(GetRValue(colour) - GetRValue(ground)) +
                               std::abs(GetGValue(colour) - GetGValue(ground)) +
                               std::abs(GetBValue(colour) - GetBValue(ground));
        if (difference >= kStandsOut)
            marks += count;
    }
    if (marks >= wanted)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "nothing is drawn on " << left << "," << top << " - " << right << "," << bottom
           << ": " << marks << " pixels stand out from " << ColourText(ground);
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

::testing::AssertionResult ShowsEveryText(const Screenshot& shot, HWND window) {
    for (HWND child : ChildWindows(window)) {
        const std::string shown = WindowText(child);
        const std::string kind = ClassNameOf(child);
        if (kind != "NataloLabel" && kind != "Button" && kind != "Edit" && kind != "Static")
            continue;
        if (!::IsWindowVisible(child) || shown.find_first_not_of(" &") == std::string::npos)
            continue;
        RECT inside = shot.RectOf(child);
        ::InflateRect(&inside, -2, -2);  // not the borders
        if (::IsRectEmpty(&inside))
            continue;
        if (::testing::AssertionResult marks = shot.HasMarksIn(inside); !marks)
            return ::testing::AssertionFailure()
                   << "\"" << shown << "\" is not shown: " << marks.message();
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
