// Layouts are written in pixels of a 96-DPI display. A window shows them at its own DPI:
// each value is taken times DPI / 96 as MulDiv does it, so that at 96 DPI every pixel is
// the layout's own and at 144 DPI everything is half as large again.
#pragma once

#include <string_view>

namespace natalo::ui {

constexpr int kLayoutDpi = 96;

// A position and size in pixels: left, top, width, height (client coordinates of the
// parent for child windows).
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// A layout length in device pixels at `dpi`.
int ScaleToDpi(int layoutPixels, int dpi);
// Every value of a layout rectangle in device pixels at `dpi`.
Bounds ScaleToDpi(const Bounds& layout, int dpi);
// The LOGFONT height (negative: the character height without internal leading) of a font
// given in points, or in layout pixels, at `dpi`: its pixel height at 96 DPI times
// DPI / 96, rounded down.
int FontHeightForDpi(int size, bool inPixels, int dpi);
// The face to ask for at `dpi`: "MS Sans Serif" is a bitmap font made for 96 DPI, whose
// largest strike is 20 pixels; at any other DPI its TrueType twin, "Microsoft Sans Serif",
// keeps texts in proportion. Every other face stays as it is.
std::string_view FaceForDpi(std::string_view face, int dpi);

}  // namespace natalo::ui
