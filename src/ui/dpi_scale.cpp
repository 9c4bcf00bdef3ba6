#include "ui/dpi_scale.h"

#include "platform/mul_div.h"

namespace natalo::ui {

int ScaleToDpi(int layoutPixels, int dpi) {
    return dpi == kLayoutDpi ? layoutPixels : RoundedMulDiv(layoutPixels, dpi, kLayoutDpi);
}

Bounds ScaleToDpi(const Bounds& layout, int dpi) {
    return {ScaleToDpi(layout.left, dpi), ScaleToDpi(layout.top, dpi),
            ScaleToDpi(layout.width, dpi), ScaleToDpi(layout.height, dpi)};
}

int FontHeightForDpi(int size, bool inPixels, int dpi) {
    // The height the font has at 96 DPI, grown with the DPI and rounded down: a layout is
    // drawn around its texts at 96 DPI, often with a pixel or two to spare, and a text
    // made a pixel taller than its share (7 points: 9 pixels at 96 DPI, 14 rather than
    // 13.5 at 144) comes out several per cent wider and runs into its neighbour.
    constexpr int kPointsPerInch = 72;
    const int layoutPixels = inPixels ? size : RoundedMulDiv(size, kLayoutDpi, kPointsPerInch);
    return -static_cast<int>(static_cast<long long>(layoutPixels) * dpi / kLayoutDpi);
}

std::string_view FaceForDpi(std::string_view face, int dpi) {
    if (dpi != kLayoutDpi && face == "MS Sans Serif")
        return "Microsoft Sans Serif";
    return face;
}

}  // namespace natalo::ui
