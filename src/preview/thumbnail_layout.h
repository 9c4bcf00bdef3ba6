// Where the thumbnail strip puts its thumbnails: the cell of one thumbnail (a paper with
// its page number centred below it), the cells flowing in rows or columns that wrap at
// the client area's edge, how many cells a row or column holds, and the scrolling that
// brings a thumbnail into view.
#pragma once

#include <vector>

#include "preview/paper_zoom.h"
#include "preview/preview_geometry.h"

namespace natalo {

// The direction in which the strip scrolls.
enum TScrollBarKind { sbHorizontal, sbVertical };

// The strip's font as the page-number labels need it (text metrics, in pixels).
struct LabelFontMetrics {
    int maxCharWidth = 0;
    int height = 0;
    int externalLeading = 0;
};

// One thumbnail; the offsets are relative to the cell's top-left corner.
struct ThumbnailCell {
    PixelPoint paperOffset;
    PixelSize paperSize;
    PixelPoint labelOffset;
    PixelSize labelSize;
    PixelSize cellSize;

    PixelRect PaperBounds(PixelPoint cellOrigin) const;
    PixelRect LabelBounds(PixelPoint cellOrigin) const;
};

// The cell for pages of pageExtent (screen pixels at 100 %) shown at zoom percent in
// papers with the given frame; the label holds as many digits as totalPages has. The
// narrower of paper and label is centred over the other, the label 2 pixels below the
// paper. A zoom below 0 shows an empty page area.
ThumbnailCell CalcThumbnailLayout(PixelSize pageExtent, int zoom, PaperFrame frame, int totalPages,
                                  const LabelFontMetrics& font);

struct ThumbnailFlow {
    TScrollBarKind orientation = sbVertical;
    int margin = 6;           // gap between cells and to the edge
    PixelSize client;         // the strip's client area
    PixelPoint scrollOffset;  // horizontal and vertical scroll positions
};

// The top-left corner of each of count cells of size cell: in rows that wrap at the
// client width (sbVertical) or in columns that wrap at the client height (sbHorizontal),
// starting at the margin less the scroll positions. Every row or column holds at least
// one cell.
std::vector<PixelPoint> ThumbnailCellOrigins(int count, const ThumbnailFlow& flow, PixelSize cell);

// Cells per row of a vertical strip and per column of a horizontal one (at scroll
// position 0), so that the arrow keys move to the cell above or below: at least 1.
int ColumnsPerRow(int clientWidth, int margin, int cellWidth);
int RowsPerColumn(int clientHeight, int margin, int cellHeight);

// What is scrolled into view when a thumbnail gets the marker: its paper and label
// together, with 1 pixel more on every side for the marker frame.
PixelRect MarkerRevealRect(const PixelRect& paper, const PixelRect& label);

// The scroll positions that bring r (client coordinates at the current positions) into
// view, keeping the scroll bars' margins around it; where r is larger than the client
// area its left or top edge wins. The scroll bars limit the result to their range.
PixelPoint ScrollRectInView(const PixelRect& r, PixelPoint position, PixelSize client,
                            PixelSize scrollBarMargins);

}  // namespace natalo
