#include "preview/paper_units.h"

#include <limits>

namespace natalo {
namespace {

bool IsUnit(TUnits unit) {
    return unit >= mmPixel && unit <= mmPoints;
}

int PerInch(TUnits unit, int dpi) {
    switch (unit) {
        case mmPixel:
            return dpi;
        case mmLoMetric:
            return 254;
        case mmHiMetric:
            return 2540;
        case mmLoEnglish:
            return 100;
        case mmHiEnglish:
            return 1000;
        case mmTWIPS:
            return 1440;
        case mmPoints:
            return 72;
    }
    return 1;
}

// Beyond the range of int the exact factors saturate instead of overflowing.
int Saturated(std::int64_t value) {
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace

int ConvertUnits(int value, int dpi, TUnits from, TUnits to, int screenDpi) {
    if (!IsUnit(from) || !IsUnit(to))
        return value;
    if (from == to)
        return from == mmPixel ? RoundedMulDiv(value, dpi, screenDpi) : value;
    // Within one system of units the factor is exact: these truncate like integer
    // division instead of rounding.
    if ((from == mmLoMetric && to == mmHiMetric) || (from == mmLoEnglish && to == mmHiEnglish))
        return Saturated(std::int64_t{value} * 10);
    if (from == mmPoints && to == mmTWIPS)
        return Saturated(std::int64_t{value} * 20);
    if ((from == mmHiMetric && to == mmLoMetric) || (from == mmHiEnglish && to == mmLoEnglish))
        return value / 10;
    if (from == mmTWIPS && to == mmPoints)
        return value / 20;
    return RoundedMulDiv(value, PerInch(to, dpi), PerInch(from, dpi));
}

void ConvertUnits(std::span<UnitPoint> points, TUnits from, TUnits to, int screenDpi) {
    for (UnitPoint& point : points) {
        point.x = ConvertUnits(point.x, screenDpi, from, to, screenDpi);
        point.y = ConvertUnits(point.y, screenDpi, from, to, screenDpi);
    }
}

}  // namespace natalo
