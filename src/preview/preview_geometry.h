// Pixel sizes, points and rectangles of the print preview's on-screen layout, and the
// rounding multiply-divide that all of its scaling uses.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

namespace natalo {

struct PixelSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Right and bottom are exclusive, as in a Windows RECT.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static PixelRect FromBounds(int left, int top, int width, int height) {
        return {left, top, left + width, top + height};
    }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(PixelPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A result computed in 64 bits, limited to the range of int.
inline int SaturateToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

}  // namespace natalo
