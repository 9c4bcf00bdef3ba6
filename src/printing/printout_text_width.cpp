#include "printing/printout_text_width.h"

#include <algorithm>
#include <cmath>

namespace natalo {
namespace {

// How much larger than recorded the page prints: the recording maps the printout's units
// to the screen's pixels by its pixels per inch, the playback maps them back by the
// screen's size in whole millimetres.
int PlaybackAllowance(HDC recording, int paperWidth) {
    const int pixels = ::GetDeviceCaps(recording, HORZRES);
    const int millimetres = ::GetDeviceCaps(recording, HORZSIZE);
    const int pixelsPerInch = ::GetDeviceCaps(recording, LOGPIXELSX);
    if (pixels <= 0 || millimetres <= 0 || pixelsPerInch <= 0)
        return 0;
    const double scale = millimetres * pixelsPerInch / (25.4 * pixels);
    return std::max(0, static_cast<int>(std::ceil((scale - 1) * paperWidth)));
}

}  // namespace

PrintoutTextWidth::PrintoutTextWidth(TCanvas& canvas, int paperWidth)
    : canvas_(canvas),
      playbackAllowance_(PlaybackAllowance(canvas.Handle(), paperWidth)),
      measuringDc_(::CreateCompatibleDC(nullptr)) {
    // A plain DC of its own: a font selected into the recording one would be recorded.
    LOGFONTA large = LogicalFontOf(canvas.Font());
    large.lfHeight *= kScale;
    largeFont_.reset(::CreateFontIndirectA(&large));
    if (measuringDc_ && largeFont_)
        largeFontSelected_.emplace(measuringDc_.get(), largeFont_.get());
    recordedAdvances_.fill(-1);
    trueAdvances_.fill(-1);
}

int PrintoutTextWidth::operator()(std::string_view text) {
    if (text.empty())
        return 0;
    const std::string_view leading = text.substr(0, text.size() - 1);
    int recorded = 0;
    for (const char character : leading)
        recorded += RecordedAdvance(character);
    // Where the recording keeps the advances as the whole text's extent, that is wider.
    SIZE extent{};
    if (!leading.empty()) {
        ::GetTextExtentPoint32A(canvas_.Handle(), leading.data(), static_cast<int>(leading.size()),
                                &extent);
    }
    return std::max<int>(recorded, extent.cx) + TrueAdvance(text.back()) + playbackAllowance_;
}

int PrintoutTextWidth::RecordedAdvance(char character) {
    int& advance = recordedAdvances_[static_cast<unsigned char>(character)];
    if (advance < 0) {
        const UINT code = static_cast<unsigned char>(character);
        INT width = 0;
        advance = ::GetCharWidth32A(canvas_.Handle(), code, code, &width) ? width : 0;
    }
    return advance;
}

int PrintoutTextWidth::TrueAdvance(char character) {
    int& advance = trueAdvances_[static_cast<unsigned char>(character)];
    if (advance < 0) {
        SIZE size{};
        ::GetTextExtentPoint32A(measuringDc_.get(), &character, 1, &size);
        // Rounded up: the name must end within its column.
        advance = (size.cx + kScale - 1) / kScale;
    }
    return advance;
}

std::string CodePageEllipsis() {
    const wchar_t ellipsis = 0x2026;
    char bytes[8] = {};
    BOOL lacking = FALSE;
    const int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &ellipsis, 1, bytes,
                                             sizeof bytes, nullptr, &lacking);
    if (length <= 0 || lacking)
        return "...";
    return std::string(bytes, static_cast<std::size_t>(length));
}

}  // namespace natalo
