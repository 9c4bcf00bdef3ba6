#include "ui/gdi.h"

#include <map>
#include <utility>

#include "ui/dpi_scale.h"

namespace natalo::ui {

FontSpec FontSpec::Points(std::string face, int points) {
    FontSpec font;
    font.face = std::move(face);
    font.size = points;
    return font;
}

FontSpec FontSpec::Pixels(std::string face, int pixels) {
    FontSpec font = Points(std::move(face), pixels);
    font.inPixels = true;
    return font;
}

FontSpec FontSpec::Bold(bool on) const {
    FontSpec copy = *this;
    copy.bold = on;
    return copy;
}

FontSpec FontSpec::Underlined(bool on) const {
    FontSpec copy = *this;
    copy.underline = on;
    return copy;
}

HFONT CachedFont(const FontSpec& font, int dpi) {
    static std::map<std::pair<FontSpec, int>, UniqueFont> fonts;
    auto found = fonts.find({font, dpi});
    if (found != fonts.end())
        return found->second.get();
    const int height = FontHeightForDpi(font.size, font.inPixels, dpi);
    const std::string face(FaceForDpi(font.face, dpi));
    UniqueFont created(::CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                                     font.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    HFONT handle = created.get();
    fonts.emplace(std::pair{font, dpi}, std::move(created));
    return handle;
}

HBRUSH CachedBrush(COLORREF colour) {
    static std::map<COLORREF, UniqueBrush> brushes;
    auto found = brushes.find(colour);
    if (found != brushes.end())
        return found->second.get();
    UniqueBrush brush(::CreateSolidBrush(colour));
    HBRUSH handle = brush.get();
    brushes.emplace(colour, std::move(brush));
    return handle;
}

COLORREF BlendColour(COLORREF from, COLORREF to, int weight) {
    auto mix = [weight](int a, int b) { return a + (b - a) * weight / 255; };
    return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
               mix(GetBValue(from), GetBValue(to)));
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    COLORREF previous = ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(dc, previous);
}

void FillVerticalGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
    int height = rect.bottom - rect.top;
    if (height <= 0)
        return;
    for (int y = 0; y < height; ++y) {
        int weight = height > 1 ? y * 255 / (height - 1) : 0;
        RECT line{rect.left, rect.top + y, rect.right, rect.top + y + 1};
        FillSolid(dc, line, BlendColour(top, bottom, weight));
    }
}

SIZE MeasureText(HFONT font, const std::string& text, UINT format, int wrapWidth) {
    // One memory DC like the screen's for every measurement: getting and releasing the
    // screen's own DC each time asks the window system twice, for each label on a form.
    static const UniqueMemoryDc measuring(::CreateCompatibleDC(nullptr));
    SelectedObject selected(measuring.get(), font);
    RECT rect{0, 0, wrapWidth, 0};
    ::DrawTextA(measuring.get(), text.c_str(), static_cast<int>(text.size()), &rect,
                format | DT_CALCRECT);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

OffscreenCanvas::OffscreenCanvas(HDC target, int width, int height)
    : width_(width < 1 ? 1 : width),
      height_(height < 1 ? 1 : height),
      dc_(::CreateCompatibleDC(target)),
      bitmap_(::CreateCompatibleBitmap(target, width_, height_)) {
    previous_ = ::SelectObject(dc_.get(), bitmap_.get());
}

OffscreenCanvas::~OffscreenCanvas() {
    ::SelectObject(dc_.get(), previous_);
}

void OffscreenCanvas::CopyTo(HDC target, int x, int y) const {
    ::BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

}  // namespace natalo::ui
