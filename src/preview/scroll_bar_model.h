// The arithmetic of a scroll box: the range its content needs in each direction, which of
// its scroll bars show, how far it can scroll, and the position a scroll-bar message asks
// for. A position is how far the content is scrolled from its start; the range is the
// content's extent with the margin after it; the increment is one line's step.
#pragma once

#include <optional>

#include "preview/preview_geometry.h"

namespace natalo {

// The range of one direction: the content's far edge at position 0 plus the margin left
// after it, never below 0.
int AutoScrollRange(int farEdge, int margin);

// Positions run from 0 to the range less the client extent (0 when the content fits).
int MaxScrollPosition(int range, int clientExtent);
int ClampScrollPosition(int position, int range, int clientExtent);

struct ScrollBarsShown {
    bool horz = false;
    bool vert = false;
    friend bool operator==(const ScrollBarsShown&, const ScrollBarsShown&) = default;
};

// The bars a client area shows for the content's ranges. `full` is the client area with no
// bar; a bar shows where the range exceeds the client extent, and a bar takes its breadth
// from the other direction, which may then need its own bar. A bar that is not allowed
// never shows (its direction is cut off instead).
ScrollBarsShown ScrollBarsNeeded(PixelSize range, PixelSize full, PixelSize barBreadth,
                                 bool horzAllowed, bool vertAllowed);

// The request codes of scroll-bar messages (SB_LINEUP ... SB_BOTTOM).
namespace scroll_code {
constexpr unsigned kLineBack = 0;
constexpr unsigned kLineForward = 1;
constexpr unsigned kPageBack = 2;
constexpr unsigned kPageForward = 3;
constexpr unsigned kThumbPosition = 4;
constexpr unsigned kThumbTrack = 5;
constexpr unsigned kStart = 6;
constexpr unsigned kEnd = 7;
}  // namespace scroll_code

// The position a scroll-bar message asks for, before the bar limits it: a line is the
// increment, a page the client extent. Nothing for other codes (the end of scrolling).
std::optional<int> ScrollMessagePosition(unsigned code, int position, int increment, int page,
                                         int range, int thumbPosition);

}  // namespace natalo
