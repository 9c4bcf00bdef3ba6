// The measuring units of the print preview and the conversion between them, with the
// rounding Windows' MulDiv uses, so that sizes agree with what GDI computes.
#pragma once

#include <cstdint>
#include <span>

#include "platform/mul_div.h"

namespace natalo {

enum TUnits { mmPixel, mmLoMetric, mmHiMetric, mmLoEnglish, mmHiEnglish, mmTWIPS, mmPoints };

// Converts a length between units. `dpi` is the pixels per inch of the device meant by
// mmPixel; `screenDpi` those of the screen, used for mmPixel to mmPixel (screen pixels to
// device pixels). An out-of-range unit leaves the value as it is.
int ConvertUnits(int value, int dpi, TUnits from, TUnits to, int screenDpi);

struct UnitPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const UnitPoint&, const UnitPoint&) = default;
};

// Converts both coordinates of every point with the screen's pixels per inch.
void ConvertUnits(std::span<UnitPoint> points, TUnits from, TUnits to, int screenDpi);

}  // namespace natalo
