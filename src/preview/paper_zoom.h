// How big the previewed paper is and where it sits: its size for each zoom state, the zoom
// a fitted paper shows, its place in the scrolling client area once room has been made for
// the scroll bars it needs, and the scroll positions kept across a re-layout.
#pragma once

#include "preview/preview_geometry.h"

namespace natalo {

enum TZoomState { zsZoomOther, zsZoomToWidth, zsZoomToHeight, zsZoomToFit };

// Border and drop shadow around the page area of a paper control, in pixels.
struct PaperFrame {
    int borderWidth = 1;
    int shadowWidth = 3;
    // What the frame adds to the page area's width and to its height (never negative).
    int Thickness() const;
};

// Everything the paper's size depends on apart from the room it gets.
struct PaperZoom {
    PixelSize pageExtent;  // the page in screen pixels at 100 %
    PaperFrame frame;
    TZoomState zoomState = zsZoomToFit;
    int zoom = 100;  // percent; only read in zsZoomOther
};

// Sizes are kept below this, so that positions and ranges built from them stay inside int;
// no bitmap that large can be made, so such a zoom is undone before it shows.
constexpr int kPaperPixelLimit = 1'000'000;

struct PaperFit {
    PixelSize size;  // the paper control, frame included
    int zoom = 0;    // percent the page area shows; the given zoom in zsZoomOther
};

// The paper control's size for the zoom state in the room (cx, cy), and the zoom it shows.
// A page extent below 1 pixel counts as 1, and a fitted paper never shrinks below its frame.
PaperFit FitPaper(const PaperZoom& paper, PixelSize room);

// The scrolling client area the paper is laid out in.
struct PaperViewport {
    PixelSize client;  // the client area now, without the scroll bars that show
    int horzMargin = 0;
    int vertMargin = 0;
    bool horzBarShowing = false;
    bool vertBarShowing = false;
    bool autoScroll = true;
    PixelSize scrollBars;  // width of a vertical bar, height of a horizontal one

    // The client area less the margins on both sides.
    PixelSize InsideMargins() const;
};

struct PaperLayout {
    PixelRect bounds;  // the paper control in client coordinates at scroll position 0
    int zoom = 0;
    bool canScrollHorz = false;
    bool canScrollVert = false;
    // The room the paper was fitted into, less the scroll bars it needs; scroll positions
    // are restored against it.
    PixelSize room;
};

// Lays the paper out: fitted into the client area without its scroll bars, fitted again
// with room for the bars it turns out to need (with autoScroll), centred where it is
// smaller than the room, offset by the margins.
PaperLayout LayoutPaper(const PaperZoom& paper, const PaperViewport& viewport);

// A scroll position as a percentage of its scrollable distance (range - extent), 0 when
// nothing can scroll; and back, limited to 0..range - extent. Taken before a layout with
// the extent of PaperViewport::InsideMargins, restored after it with PaperLayout::room.
int ScrollPercent(int position, int range, int extent);
int ScrollPositionFromPercent(int percent, int range, int extent);

// The new left (or top) of a paper dragged by delta in a client area with no scroll bar:
// kept between extent - margin - paperExtent and margin, the lower limit winning.
int DraggedPaperOffset(int offset, int delta, int clientExtent, int margin, int paperExtent);

}  // namespace natalo
