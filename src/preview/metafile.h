// An enhanced metafile held as an object: its handle, its size in the pixels of the device
// it was recorded for, saving to and loading from the enhanced-metafile file format, and a
// change notification when a recording canvas hands it new content. TMetafileCanvas
// records one.
//
// A page is drawn in its reference device's pixels (the screen's, whatever the DPI of the
// window that shows it), and its frame, in 0.01 mm, is measured in the same pixels by the
// device's pixels per millimetre that the metafile's header records. Playing the page maps
// that frame onto the target, so the drawing fills the target exactly even where the
// device's pixels per millimetre and its pixels per inch disagree (under Wine a screen of
// 1024 pixels is 271 mm wide at 96 DPI and 181 mm at 144), and a page prints the same at
// every display scale.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "platform/win32_handle.h"
#include "preview/canvas.h"

namespace natalo {

class TMetafile {
  public:
    TMetafile() = default;
    // An empty metafile that a canvas will record at this size in its device's pixels.
    TMetafile(int width, int height) : width_(width), height_(height) {}
    TMetafile(const TMetafile&) = delete;
    TMetafile& operator=(const TMetafile&) = delete;

    HENHMETAFILE Handle() const { return handle_.get(); }
    bool Empty() const { return !handle_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Takes new content and reports the change.
    void Assign(UniqueEnhMetaFile handle);
    // Drops the content, without a change notification.
    void Clear() { handle_.reset(); }

    // The enhanced-metafile file format of the content (empty when there is none).
    std::vector<std::byte> SaveToBytes() const;
    // Replaces the content by a metafile in the file format and takes its size from its
    // frame, in the pixels its header records; throws EInOutError when the bytes are no
    // metafile.
    void LoadFromBytes(std::span<const std::byte> bytes);

    // The length that an enhanced-metafile header at the start of `header` gives for the
    // whole metafile, or 0 when it is no such header (at least 52 bytes are needed).
    static std::uint32_t LengthFromHeader(std::span<const std::byte> header);
    static constexpr std::size_t kHeaderLengthBytes = 52;

    std::function<void()> OnChange;

  private:
    UniqueEnhMetaFile handle_;
    int width_ = 0;
    int height_ = 0;
};

// Records a new content for a metafile, drawn in the reference device's pixels (the
// screen when none is given) over the metafile's size. Closing it gives the metafile its
// content, which reports the change; a canvas that is only destroyed closes itself and
// drops any error.
class TMetafileCanvas : public TCanvas {
  public:
    TMetafileCanvas(TMetafile& metafile, HDC referenceDc);
    ~TMetafileCanvas() override;

    void Close();

  private:
    TMetafile& metafile_;
    HDC recording_ = nullptr;
};

// The pixels per inch of the device a recording is made for (the screen when none is
// given), which a canvas on it is scaled with.
struct RecordingResolution {
    int x = 96;
    int y = 96;
};
RecordingResolution RecordingPixelsPerInch(HDC referenceDc);

}  // namespace natalo
