#include "reminder/resource_pictures.h"

#include <wincodec.h>

#include <cstring>

#include "platform/com_ref.h"
#include "ui/dpi_scale.h"

namespace natalo {
namespace {

struct ResourceBytes {
    const void* data = nullptr;
    DWORD size = 0;
};

ResourceBytes FindRawResource(int id) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!found)
        return {};
    HGLOBAL loaded = ::LoadResource(module, found);  // not to be freed: part of the module
    if (!loaded)
        return {};
    return {::LockResource(loaded), ::SizeofResource(module, found)};
}

// WICBitmapInterpolationModeHighQualityCubic is newer than the headers for Windows 7 and
// than Windows 7 itself; Fant is the best scaler before it.
constexpr auto kHighQualityCubic = static_cast<WICBitmapInterpolationMode>(4);

// A layout size of the picture drawn twice as large: what it comes to at `dpi`.
SIZE TargetSize(UINT width, UINT height, int twice, int dpi) {
    return {ui::ScaleToDpi(static_cast<int>(width) / twice, dpi),
            ui::ScaleToDpi(static_cast<int>(height) / twice, dpi)};
}

UniqueBitmap DecodeWithWic(const ResourceBytes& bytes, int twice, int dpi) {
    ComRef<IWICImagingFactory> factory;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, factory.outVoid()))) {
        return {};
    }
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICFormatConverter> converter;
    // WIC only reads the memory; the interface merely lacks the const.
    auto* data = static_cast<BYTE*>(const_cast<void*>(bytes.data));
    if (FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(data, bytes.size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
        FAILED(decoder->GetFrame(0, frame.out())) ||
        FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return {};
    }
    UINT width = 0, height = 0;
    if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 4096 ||
        height > 4096) {
        return {};
    }
    ComRef<IWICBitmapScaler> scaler;
    IWICBitmapSource* source = converter.get();
    if (const SIZE target = TargetSize(width, height, twice, dpi);
        target.cx > 0 && target.cy > 0 &&
        (target.cx != static_cast<LONG>(width) || target.cy != static_cast<LONG>(height))) {
        const auto w = static_cast<UINT>(target.cx), h = static_cast<UINT>(target.cy);
        if (FAILED(factory->CreateBitmapScaler(scaler.out())) ||
            (FAILED(scaler->Initialize(converter.get(), w, h, kHighQualityCubic)) &&
             FAILED(scaler->Initialize(converter.get(), w, h, WICBitmapInterpolationModeFant)))) {
            return {};
        }
        source = scaler.get();
        width = w;
        height = h;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as WIC delivers rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return {};
    const UINT stride = width * 4;
    if (FAILED(source->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits))))
        return {};
    return bitmap;
}

}  // namespace

UniqueBitmap LoadArtwork(const Artwork& artwork, int dpi) {
    // At 96 DPI the picture drawn for it, as it is; above, the one drawn twice as large,
    // scaled down.
    ResourceBytes bytes;
    int twice = 1;
    if (dpi != ui::kLayoutDpi) {
        bytes = FindRawResource(artwork.twiceSizeId);
        twice = 2;
    }
    if (!bytes.data || bytes.size == 0) {
        bytes = FindRawResource(artwork.id);
        twice = 1;
    }
    if (!bytes.data || bytes.size == 0)
        return {};
    ComApartment com;
    return DecodeWithWic(bytes, twice, dpi);
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !::GetObjectA(bitmap, sizeof info, &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx == 0)
        return;
    UniqueMemoryDc source(::CreateCompatibleDC(dc));
    SelectedObject selected(source.get(), bitmap);
    ::BitBlt(dc, x, y, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
}

}  // namespace natalo
