#include "preview/metafile.h"

#include <cstring>

#include "platform/io_error.h"

namespace natalo {

int ScreenPixelsPerInch() {
    static const int dpi = [] {
        HDC screen = ::GetDC(nullptr);
        const int value = ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

void TMetafile::Assign(UniqueEnhMetaFile handle) {
    handle_ = std::move(handle);
    if (OnChange)
        OnChange();
}

std::vector<std::byte> TMetafile::SaveToBytes() const {
    if (!handle_)
        return {};
    const UINT size = ::GetEnhMetaFileBits(handle_.get(), 0, nullptr);
    std::vector<std::byte> bytes(size);
    if (size)
        ::GetEnhMetaFileBits(handle_.get(), size, reinterpret_cast<BYTE*>(bytes.data()));
    return bytes;
}

std::uint32_t TMetafile::LengthFromHeader(std::span<const std::byte> header) {
    if (header.size() < kHeaderLengthBytes)
        return 0;
    ENHMETAHEADER start{};
    std::memcpy(&start, header.data(), kHeaderLengthBytes);
    if (start.iType != EMR_HEADER || start.dSignature != ENHMETA_SIGNATURE ||
        start.nBytes < kHeaderLengthBytes)
        return 0;
    return start.nBytes;
}

void TMetafile::LoadFromBytes(std::span<const std::byte> bytes) {
    UniqueEnhMetaFile loaded(::SetEnhMetaFileBits(static_cast<UINT>(bytes.size()),
                                                  reinterpret_cast<const BYTE*>(bytes.data())));
    if (!loaded)
        throw EInOutError(kIoReadPastEnd);
    ENHMETAHEADER header{};
    ::GetEnhMetaFileHeader(loaded.get(), sizeof header, &header);
    const int dpi = ScreenPixelsPerInch();
    width_ = ::MulDiv(header.rclFrame.right - header.rclFrame.left, dpi, 2540);
    height_ = ::MulDiv(header.rclFrame.bottom - header.rclFrame.top, dpi, 2540);
    Assign(std::move(loaded));
}

TMetafileCanvas::TMetafileCanvas(TMetafile& metafile, HDC referenceDc) : metafile_(metafile) {
    // The frame in 0.01 mm, so that the recorded size in screen pixels comes back on load.
    const int dpi = ScreenPixelsPerInch();
    const RECT frame{0, 0, ::MulDiv(metafile.Width(), 2540, dpi),
                     ::MulDiv(metafile.Height(), 2540, dpi)};
    recording_ = ::CreateEnhMetaFileA(referenceDc, nullptr, &frame, nullptr);
    SetHandle(recording_);
}

TMetafileCanvas::~TMetafileCanvas() {
    try {
        Close();
    } catch (...) {
        // Destruction cannot report; callers that need the result call Close().
    }
}

void TMetafileCanvas::Close() {
    if (!recording_)
        return;
    SetHandle(nullptr);
    UniqueEnhMetaFile content(::CloseEnhMetaFile(recording_));
    recording_ = nullptr;
    metafile_.Assign(std::move(content));
}

}  // namespace natalo
