#include "preview/scroll_bar_model.h"

#include <cstdint>

namespace natalo {

using Wide = std::int64_t;

int AutoScrollRange(int farEdge, int margin) {
    return SaturateToInt(std::max<Wide>(0, Wide{farEdge} + margin));
}

int MaxScrollPosition(int range, int clientExtent) {
    return SaturateToInt(std::max<Wide>(0, Wide{range} - clientExtent));
}

int ClampScrollPosition(int position, int range, int clientExtent) {
    return std::clamp(position, 0, MaxScrollPosition(range, clientExtent));
}

ScrollBarsShown ScrollBarsNeeded(PixelSize range, PixelSize full, PixelSize barBreadth,
                                 bool horzAllowed, bool vertAllowed) {
    ScrollBarsShown shown{horzAllowed && range.cx > full.cx, vertAllowed && range.cy > full.cy};
    // A horizontal bar takes height, a vertical one width; test again once.
    if (shown.horz && !shown.vert)
        shown.vert = vertAllowed && range.cy > full.cy - barBreadth.cy;
    else if (shown.vert && !shown.horz)
        shown.horz = horzAllowed && range.cx > full.cx - barBreadth.cx;
    return shown;
}

std::optional<int> ScrollMessagePosition(unsigned code, int position, int increment, int page,
                                         int range, int thumbPosition) {
    switch (code) {
        case scroll_code::kLineBack:
            return SaturateToInt(Wide{position} - increment);
        case scroll_code::kLineForward:
            return SaturateToInt(Wide{position} + increment);
        case scroll_code::kPageBack:
            return SaturateToInt(Wide{position} - page);
        case scroll_code::kPageForward:
            return SaturateToInt(Wide{position} + page);
        case scroll_code::kThumbPosition:
        case scroll_code::kThumbTrack:
            return thumbPosition;
        case scroll_code::kStart:
            return 0;
        case scroll_code::kEnd:
            return range;
        default:
            return std::nullopt;
    }
}

}  // namespace natalo
