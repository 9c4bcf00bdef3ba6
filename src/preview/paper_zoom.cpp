#include "preview/paper_zoom.h"

#include <algorithm>
#include <cstdint>

#include "preview/paper_units.h"

namespace natalo {
namespace {

using Wide = std::int64_t;

int LimitPixels(Wide v) {
    return static_cast<int>(std::clamp<Wide>(v, -kPaperPixelLimit, kPaperPixelLimit));
}

// v × numerator / denominator rounded like MulDiv, for v >= 0 and positive factors.
Wide Scale(Wide v, Wide numerator, Wide denominator) {
    return (v * numerator + denominator / 2) / denominator;
}

// numerator / denominator to the nearest integer, halves to the even one; denominator > 0.
Wide RoundHalfToEven(Wide numerator, Wide denominator) {
    Wide quotient = numerator / denominator;
    Wide twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder < 0) {
        twiceRemainder = -twiceRemainder;
    }
    const bool roundUp =
        twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0);
    if (roundUp) {
        quotient += numerator < 0 ? -1 : 1;
    }
    return quotient;
}

struct FitContext {
    Wide frame;
    Wide pageWidth;
    Wide pageHeight;

    Wide Outer(Wide pageArea) const { return LimitPixels(pageArea + frame); }

    // The whole room in one direction, and the other side in the page's proportion.
    PixelSize ToWidth(int cx) const {
        const Wide width = LimitPixels(std::max<Wide>(cx, frame));
        return {static_cast<int>(width),
                static_cast<int>(Outer(Scale(width - frame, pageHeight, pageWidth)))};
    }
    PixelSize ToHeight(int cy) const {
        const Wide height = LimitPixels(std::max<Wide>(cy, frame));
        return {static_cast<int>(Outer(Scale(height - frame, pageWidth, pageHeight))),
                static_cast<int>(height)};
    }
};

}  // namespace

int PaperFrame::Thickness() const {
    return LimitPixels(std::max<Wide>(0, 2 * Wide{borderWidth} + shadowWidth));
}

PaperFit FitPaper(const PaperZoom& paper, PixelSize room) {
    const FitContext fit{paper.frame.Thickness(), std::max(1, paper.pageExtent.cx),
                         std::max(1, paper.pageExtent.cy)};
    PixelSize size;
    switch (paper.zoomState) {
        case zsZoomOther: {
            const Wide zoom = std::max(0, paper.zoom);
            size = {static_cast<int>(fit.Outer(LimitPixels(Scale(fit.pageWidth, zoom, 100)))),
                    static_cast<int>(fit.Outer(LimitPixels(Scale(fit.pageHeight, zoom, 100))))};
            return {size, paper.zoom};
        }
        case zsZoomToWidth:
            size = fit.ToWidth(room.cx);
            break;
        case zsZoomToHeight:
            size = fit.ToHeight(room.cy);
            break;
        case zsZoomToFit: {
            // The page area's room against the page's proportion, compared without
            // dividing. Comparing the whole room instead would let a frame of a few pixels
            // tip the choice to a paper wider than the room.
            const Wide width = std::max<Wide>(0, Wide{room.cx} - fit.frame);
            const Wide height = std::max<Wide>(0, Wide{room.cy} - fit.frame);
            size = height * fit.pageWidth <= fit.pageHeight * width ? fit.ToHeight(room.cy)
                                                                    : fit.ToWidth(room.cx);
            break;
        }
    }
    const Wide zoom = RoundHalfToEven((size.cy - fit.frame) * 100, fit.pageHeight);
    return {size, static_cast<int>(zoom)};
}

PixelSize PaperViewport::InsideMargins() const {
    return {client.cx - 2 * horzMargin, client.cy - 2 * vertMargin};
}

PaperLayout LayoutPaper(const PaperZoom& paper, const PaperViewport& viewport) {
    PixelSize room = viewport.InsideMargins();
    if (viewport.autoScroll) {
        // Start from the client area the component would have without scroll bars.
        if (viewport.horzBarShowing) {
            room.cy += viewport.scrollBars.cy;
        }
        if (viewport.vertBarShowing) {
            room.cx += viewport.scrollBars.cx;
        }
    }
    PaperFit fit = FitPaper(paper, room);
    bool canScrollHorz = fit.size.cx > room.cx;
    bool canScrollVert = fit.size.cy > room.cy;
    if (viewport.autoScroll && (canScrollHorz || canScrollVert)) {
        // One scroll bar takes room from the other direction, which may then need its own.
        // Both tests compare the size fitted without bars.
        if (canScrollHorz) {
            room.cy -= viewport.scrollBars.cy;
            canScrollVert = fit.size.cy > room.cy;
            if (canScrollVert) {
                room.cx -= viewport.scrollBars.cx;
            }
        } else {
            room.cx -= viewport.scrollBars.cx;
            canScrollHorz = fit.size.cx > room.cx;
            if (canScrollHorz) {
                room.cy -= viewport.scrollBars.cy;
            }
        }
        fit = FitPaper(paper, room);
    }
    PixelPoint origin{viewport.horzMargin, viewport.vertMargin};
    if (fit.size.cx <= room.cx) {
        origin.x += (room.cx - fit.size.cx) / 2;
    }
    if (fit.size.cy <= room.cy) {
        origin.y += (room.cy - fit.size.cy) / 2;
    }
    return {PixelRect::FromBounds(origin.x, origin.y, fit.size.cx, fit.size.cy), fit.zoom,
            canScrollHorz, canScrollVert, room};
}

int ScrollPercent(int position, int range, int extent) {
    const Wide span = Wide{range} - extent;
    if (span <= 0) {
        return 0;
    }
    return std::max(0,
                    RoundedMulDiv(position, 100, static_cast<int>(std::min<Wide>(span, INT_MAX))));
}

int ScrollPositionFromPercent(int percent, int range, int extent) {
    const Wide span = Wide{range} - extent;
    if (span <= 0) {
        return 0;
    }
    const Wide position = Scale(std::clamp(percent, 0, 100), span, 100);
    return static_cast<int>(std::min(position, span));
}

int DraggedPaperOffset(int offset, int delta, int clientExtent, int margin, int paperExtent) {
    const Wide moved = Wide{offset} + delta;
    const Wide lowest = Wide{clientExtent} - margin - paperExtent;
    if (moved < lowest) {
        return SaturateToInt(lowest);
    }
    return SaturateToInt(std::min<Wide>(moved, margin));
}

}  // namespace natalo
