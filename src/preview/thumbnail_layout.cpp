#include "preview/thumbnail_layout.h"

#include <algorithm>
#include <cstdint>

namespace natalo {
namespace {

using Wide = std::int64_t;

int DecimalDigits(int n) {
    int digits = 1;
    for (; n >= 10; n /= 10) {
        ++digits;
    }
    return digits;
}

// The cells the flow puts into one row (or column): cell k of a line fits while
// margin + k × (margin + cell) + cell <= extent, i.e. while (k + 1) × (margin + cell) <= extent.
int CellsPerLine(int clientExtent, int margin, int cellExtent) {
    const Wide pitch = Wide{margin} + cellExtent;
    if (pitch <= 0) {
        return 1;
    }
    return SaturateToInt(std::max<Wide>(1, clientExtent / pitch));
}

// The new position along one axis that shows lo..hi with the margin around it.
int ScrollAxisToShow(int position, Wide lo, Wide hi, int margin, int clientExtent) {
    lo -= margin;
    hi += margin;
    if (lo < 0) {
        return SaturateToInt(position + lo);
    }
    if (hi > clientExtent) {
        if (hi - lo > clientExtent) {
            hi = lo + clientExtent;
        }
        return SaturateToInt(position + hi - clientExtent);
    }
    return position;
}

}  // namespace

PixelRect ThumbnailCell::PaperBounds(PixelPoint cellOrigin) const {
    return PixelRect::FromBounds(cellOrigin.x + paperOffset.x, cellOrigin.y + paperOffset.y,
                                 paperSize.cx, paperSize.cy);
}

PixelRect ThumbnailCell::LabelBounds(PixelPoint cellOrigin) const {
    return PixelRect::FromBounds(cellOrigin.x + labelOffset.x, cellOrigin.y + labelOffset.y,
                                 labelSize.cx, labelSize.cy);
}

ThumbnailCell CalcThumbnailLayout(PixelSize pageExtent, int zoom, PaperFrame frame, int totalPages,
                                  const LabelFontMetrics& font) {
    ThumbnailCell cell;
    cell.paperSize = FitPaper({pageExtent, frame, zsZoomOther, zoom}, {}).size;
    cell.labelSize = {
        SaturateToInt(Wide{DecimalDigits(totalPages)} * std::max(0, font.maxCharWidth)),
        std::max(0, font.height + font.externalLeading)};
    if (cell.paperSize.cx < cell.labelSize.cx) {
        cell.paperOffset.x = (cell.labelSize.cx - cell.paperSize.cx) / 2;
        cell.cellSize.cx = cell.labelSize.cx;
    } else {
        cell.labelOffset.x = (cell.paperSize.cx - cell.labelSize.cx) / 2;
        cell.cellSize.cx = cell.paperSize.cx;
    }
    cell.labelOffset.y = cell.paperSize.cy + 2;
    cell.cellSize.cy = cell.labelOffset.y + cell.labelSize.cy;
    return cell;
}

std::vector<PixelPoint> ThumbnailCellOrigins(int count, const ThumbnailFlow& flow, PixelSize cell) {
    std::vector<PixelPoint> origins;
    origins.reserve(static_cast<std::size_t>(std::max(0, count)));
    const Wide margin = flow.margin;
    Wide x = margin - flow.scrollOffset.x;
    Wide y = margin - flow.scrollOffset.y;
    for (int i = 0; i < count; ++i) {
        origins.push_back({SaturateToInt(x), SaturateToInt(y)});
        if (flow.orientation == sbVertical) {
            x += margin + cell.cx;
            if (x + cell.cx > flow.client.cx) {
                x = margin;
                y += margin + cell.cy;
            }
        } else {
            y += margin + cell.cy;
            if (y + cell.cy > flow.client.cy) {
                y = margin;
                x += margin + cell.cx;
            }
        }
    }
    return origins;
}

int ColumnsPerRow(int clientWidth, int margin, int cellWidth) {
    return CellsPerLine(clientWidth, margin, cellWidth);
}

int RowsPerColumn(int clientHeight, int margin, int cellHeight) {
    return CellsPerLine(clientHeight, margin, cellHeight);
}

PixelRect MarkerRevealRect(const PixelRect& paper, const PixelRect& label) {
    return {std::min(paper.left, label.left) - 1, std::min(paper.top, label.top) - 1,
            std::max(paper.right, label.right) + 1, std::max(paper.bottom, label.bottom) + 1};
}

PixelPoint ScrollRectInView(const PixelRect& r, PixelPoint position, PixelSize client,
                            PixelSize scrollBarMargins) {
    return {ScrollAxisToShow(position.x, r.left, r.right, scrollBarMargins.cx, client.cx),
            ScrollAxisToShow(position.y, r.top, r.bottom, scrollBarMargins.cy, client.cy)};
}

}  // namespace natalo
