#include "preview/metafile.h"

#include <cstring>

#include "platform/io_error.h"
#include "ui/gdi.h"

namespace natalo {
namespace {

constexpr int kHundredthsPerMillimetre = 100;

// What a recording device is measured in: its pixels per inch, and its pixels per
// millimetre as a metafile header records them (its size in pixels and in millimetres).
struct RecordingDevice {
    RecordingResolution pixelsPerInch;
    SIZE pixels{1, 1};
    SIZE millimetres{1, 1};
};

RecordingDevice Measured(HDC dc) {
    RecordingDevice device;
    const auto positive = [](int value, int fallback) { return value > 0 ? value : fallback; };
    device.pixelsPerInch = {positive(::GetDeviceCaps(dc, LOGPIXELSX), 96),
                            positive(::GetDeviceCaps(dc, LOGPIXELSY), 96)};
    device.pixels = {positive(::GetDeviceCaps(dc, HORZRES), 1),
                     positive(::GetDeviceCaps(dc, VERTRES), 1)};
    device.millimetres = {positive(::GetDeviceCaps(dc, HORZSIZE), 1),
                          positive(::GetDeviceCaps(dc, VERTSIZE), 1)};
    return device;
}

// The screen does not change while the program runs (a new system DPI needs a new
// session): it is asked once, not for every page recorded.
const RecordingDevice& Screen() {
    static const RecordingDevice screen = [] {
        const ui::WindowDc screen(nullptr);
        return Measured(screen.dc());
    }();
    return screen;
}

RecordingDevice DeviceOf(HDC referenceDc) {
    return referenceDc ? Measured(referenceDc) : Screen();
}

}  // namespace

RecordingResolution RecordingPixelsPerInch(HDC referenceDc) {
    return DeviceOf(referenceDc).pixelsPerInch;
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
    const auto positive = [](LONG value) { return value > 0 ? static_cast<int>(value) : 1; };
    width_ = ::MulDiv(header.rclFrame.right - header.rclFrame.left, positive(header.szlDevice.cx),
                      positive(header.szlMillimeters.cx) * kHundredthsPerMillimetre);
    height_ = ::MulDiv(header.rclFrame.bottom - header.rclFrame.top, positive(header.szlDevice.cy),
                       positive(header.szlMillimeters.cy) * kHundredthsPerMillimetre);
    Assign(std::move(loaded));
}

TMetafileCanvas::TMetafileCanvas(TMetafile& metafile, HDC referenceDc) : metafile_(metafile) {
    // The frame in 0.01 mm by the pixels per millimetre the header will record, so that
    // playing it maps exactly the pixels drawn onto the target, and the size comes back
    // on load.
    const RecordingDevice device = DeviceOf(referenceDc);
    const RECT frame{0, 0,
                     ::MulDiv(metafile.Width(), device.millimetres.cx * kHundredthsPerMillimetre,
                              device.pixels.cx),
                     ::MulDiv(metafile.Height(), device.millimetres.cy * kHundredthsPerMillimetre,
                              device.pixels.cy)};
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
