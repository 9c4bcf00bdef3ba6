// Screenshots of windows for people to look at, written as PNG files into the build folder.
#include "win32/screenshot.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstring>
#include <string>

#include "platform/com_ref.h"
#include "platform/win32_handle.h"

namespace natalo::testing {
namespace {

bool SavePng(HBITMAP bitmap, int width, int height, const std::wstring& path) {
    ComRef<IWICImagingFactory> factory;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(factory.out())))) {
        return false;
    }
    ComRef<IWICBitmap> source;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapEncoder> encoder;
    ComRef<IWICBitmapFrameEncode> frame;
    ComRef<IPropertyBag2> properties;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    return SUCCEEDED(factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha,
                                                      source.out())) &&
           SUCCEEDED(factory->CreateStream(stream.out())) &&
           SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) &&
           SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(frame.out(), properties.out())) &&
           SUCCEEDED(frame->Initialize(properties.get())) &&
           SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
           SUCCEEDED(frame->SetPixelFormat(&format)) &&
           SUCCEEDED(frame->WriteSource(source.get(), nullptr)) && SUCCEEDED(frame->Commit()) &&
           SUCCEEDED(encoder->Commit());
}

// The build folder: the test program lives in <build>/tests/<folder>.
std::wstring BuildFolderFile(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    for (int up = 0; up < 3; ++up)
        folder = folder.substr(0, folder.find_last_of(L"\\/"));
    return folder + L"\\" + name;
}

}  // namespace

bool SaveWindowScreenshot(HWND window, const char* fileName) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = ::GetDC(nullptr);
    UniqueMemoryDc dc(::CreateCompatibleDC(screen));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, width, height));
    {
        SelectedObject selected(dc.get(), bitmap.get());
        ::BitBlt(dc.get(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    }
    ::ReleaseDC(nullptr, screen);
    std::wstring name(fileName, fileName + std::strlen(fileName));
    const bool comReady = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    const bool saved = SavePng(bitmap.get(), width, height, BuildFolderFile(name.c_str()));
    if (comReady)
        ::CoUninitialize();
    return saved;
}

}  // namespace natalo::testing
