#include "preview/page_bitmap.h"

#include <cstring>
#include <vector>

#include "platform/win32_handle.h"
#include "ui/gdi.h"

namespace natalo {
namespace {

int CALLBACK FindBitmapTransfer(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM found) {
    if (record->iType == EMR_BITBLT || record->iType == EMR_STRETCHBLT) {
        *reinterpret_cast<bool*>(found) = true;
        return 0;  // enough seen
    }
    return 1;
}

// A BITMAPINFO with room for 256 colours.
struct DibHeader {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

struct PaletteTraits {
    using Handle = HPALETTE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DeleteObject(h); }
};

UniqueHandle<PaletteTraits> SystemPalette(HDC screen, DibHeader& dib) {
    PALETTEENTRY entries[256]{};
    ::GetSystemPaletteEntries(screen, 0, 256, entries);
    std::vector<std::byte> buffer(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(buffer.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = 256;
    for (int i = 0; i < 256; ++i) {
        logical->palPalEntry[i] = entries[i];
        dib.colours[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
    }
    return UniqueHandle<PaletteTraits>(::CreatePalette(logical));
}

}  // namespace

bool ContainsBitmapTransfer(HENHMETAFILE page) {
    bool found = false;
    ::EnumEnhMetaFile(nullptr, page, &FindBitmapTransfer, &found, nullptr);
    return found;
}

void DrawGraphicAsDib(HDC printer, const TMetafile& page, const RECT& target) {
    const int width = page.Width();
    const int height = page.Height();
    if (width <= 0 || height <= 0)
        return;
    ui::WindowDc screen(nullptr);
    const bool paletteScreen = (::GetDeviceCaps(screen.dc(), RASTERCAPS) & RC_PALETTE) != 0;

    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.dc(), width, height));
    if (!bitmap)
        return;
    {
        UniqueMemoryDc render(::CreateCompatibleDC(screen.dc()));
        SelectedObject selected(render.get(), bitmap.get());
        const RECT whole{0, 0, width, height};
        ::FillRect(render.get(), &whole, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::PlayEnhMetaFile(render.get(), page.Handle(), &whole);
    }

    DibHeader dib{};
    dib.header.biSize = sizeof dib.header;
    dib.header.biWidth = width;
    dib.header.biHeight = height;
    dib.header.biPlanes = 1;
    dib.header.biBitCount = paletteScreen ? 8 : 24;
    dib.header.biCompression = BI_RGB;
    UniqueHandle<PaletteTraits> palette;
    if (paletteScreen)
        palette = SystemPalette(screen.dc(), dib);
    auto* info = reinterpret_cast<BITMAPINFO*>(&dib);
    ::GetDIBits(screen.dc(), bitmap.get(), 0, static_cast<UINT>(height), nullptr, info,
                DIB_RGB_COLORS);
    if (dib.header.biSizeImage == 0)
        dib.header.biSizeImage =
            static_cast<DWORD>(((width * dib.header.biBitCount + 31) / 32) * 4 * height);
    UniqueGlobal bits(::GlobalAlloc(GMEM_MOVEABLE, dib.header.biSizeImage));
    if (!bits)
        return;
    void* data = ::GlobalLock(bits.get());
    if (!data)
        return;
    if (::GetDIBits(screen.dc(), bitmap.get(), 0, static_cast<UINT>(height), data, info,
                    DIB_RGB_COLORS) > 0) {
        HPALETTE previous = nullptr;
        if (palette) {
            previous = ::SelectPalette(printer, palette.get(), FALSE);
            ::RealizePalette(printer);
        }
        ::SetStretchBltMode(printer, COLORONCOLOR);
        ::StretchDIBits(printer, target.left, target.top, target.right - target.left,
                        target.bottom - target.top, 0, 0, width, height, data, info, DIB_RGB_COLORS,
                        SRCCOPY);
        if (previous) {
            ::SelectPalette(printer, previous, FALSE);
            ::RealizePalette(printer);
        }
    }
    ::GlobalUnlock(bits.get());
}

}  // namespace natalo
