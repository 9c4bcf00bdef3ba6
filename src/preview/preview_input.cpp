#include "preview/preview_input.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace natalo {
namespace {

using Wide = std::int64_t;

constexpr int kWheelStep = 120;

int Offset(int value, Wide delta) {
    return static_cast<int>(std::clamp<Wide>(value + delta, INT_MIN, INT_MAX));
}

enum class ModifierSet { kNone, kShift, kCtrl, kOther };

ModifierSet Classify(KeyModifiers m) {
    if (!m.shift && !m.ctrl && !m.alt) {
        return ModifierSet::kNone;
    }
    if (m.shift && !m.ctrl && !m.alt) {
        return ModifierSet::kShift;
    }
    if (m.ctrl && !m.shift && !m.alt) {
        return ModifierSet::kCtrl;
    }
    return ModifierSet::kOther;
}

// An arrow key on one scroll axis: by the increment, by one pixel with Shift, by the
// client extent with Ctrl.
PreviewCommand ArrowCommand(PreviewCommand::Kind kind, const ScrollAxis& axis, int clientExtent,
                            int direction, ModifierSet modifiers) {
    switch (modifiers) {
        case ModifierSet::kNone:
            return {kind, Offset(axis.position, Wide{direction} * axis.increment)};
        case ModifierSet::kShift:
            return {kind, Offset(axis.position, direction)};
        case ModifierSet::kCtrl:
            return {kind, Offset(axis.position, Wide{direction} * clientExtent)};
        case ModifierSet::kOther:
            break;
    }
    return {};
}

}  // namespace

PreviewCommand PreviewKeyCommand(unsigned key, KeyModifiers modifiers,
                                 const PreviewViewState& view) {
    using K = PreviewCommand;
    const ModifierSet set = Classify(modifiers);
    const bool plain = set == ModifierSet::kNone;
    const bool ctrl = set == ModifierSet::kCtrl;
    switch (key) {
        case preview_key::kHome:
            if (plain) {
                return {K::kHorzPosition, 0};
            }
            if (ctrl) {
                return {K::kVertPosition, 0};
            }
            break;
        case preview_key::kEnd:
            if (plain) {
                return {K::kHorzPosition, view.horz.range};
            }
            if (ctrl) {
                return {K::kVertPosition, view.vert.range};
            }
            break;
        case preview_key::kLeft:
            return ArrowCommand(K::kHorzPosition, view.horz, view.client.cx, -1, set);
        case preview_key::kRight:
            return ArrowCommand(K::kHorzPosition, view.horz, view.client.cx, 1, set);
        case preview_key::kUp:
            return ArrowCommand(K::kVertPosition, view.vert, view.client.cy, -1, set);
        case preview_key::kDown:
            return ArrowCommand(K::kVertPosition, view.vert, view.client.cy, 1, set);
        case preview_key::kPageDown:
            if (plain) {
                return {K::kCurrentPage, Offset(view.currentPage, 1)};
            }
            if (ctrl) {
                return {K::kCurrentPage, view.totalPages};
            }
            break;
        case preview_key::kPageUp:
            if (plain) {
                return {K::kCurrentPage, Offset(view.currentPage, -1)};
            }
            if (ctrl) {
                return {K::kCurrentPage, 1};
            }
            break;
        case preview_key::kNumPadPlus:
            if (plain) {
                return {K::kZoom, Offset(view.zoom, view.zoomStep)};
            }
            break;
        case preview_key::kNumPadMinus:
            if (plain) {
                return {K::kZoom, Offset(view.zoom, -Wide{view.zoomStep})};
            }
            break;
        default:
            break;
    }
    return {};
}

std::optional<int> PageToShow(int requested, int currentPage, int totalPages) {
    if (totalPages <= 0) {
        return std::nullopt;
    }
    const int page = std::clamp(requested, 1, totalPages);
    if (page == currentPage) {
        return std::nullopt;
    }
    return page;
}

PixelPoint WheelCursorPosition(long long lParam) {
    const auto bits = static_cast<std::uint32_t>(lParam);
    return {static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>(bits >> 16)};
}

int WheelAccumulator::Add(int delta) {
    const Wide total = Wide{pending_} + delta;
    pending_ = static_cast<int>(total % kWheelStep);
    return static_cast<int>(total / kWheelStep);
}

PreviewWheelTurn PreviewWheel::Turn(int delta, unsigned keyState) {
    PreviewWheelTurn turn;
    turn.steps = accumulator_.Add(delta);
    switch (keyState) {
        case 0:
            turn.action = PreviewWheelAction::kScroll;
            break;
        case wheel_key_state::kShift:
        case wheel_key_state::kMiddleButton:
            turn.action = PreviewWheelAction::kPage;
            break;
        case wheel_key_state::kControl:
            turn.action = PreviewWheelAction::kZoom;
            break;
        default:
            turn.action = PreviewWheelAction::kUnhandled;
            // The steps are used up all the same; only a message that completes none
            // counts as handled.
            turn.handled = turn.steps == 0;
            break;
    }
    return turn;
}

PreviewCommand PreviewWheelCommand(PreviewWheelAction action, bool back,
                                   const PreviewViewState& view) {
    // A step back (wheel away from the user) scrolls up, goes to the previous page and
    // zooms in.
    const int towardsStart = back ? -1 : 1;
    switch (action) {
        case PreviewWheelAction::kScroll:
            return {PreviewCommand::kVertPosition,
                    Offset(view.vert.position, Wide{towardsStart} * view.vert.increment)};
        case PreviewWheelAction::kPage:
            return {PreviewCommand::kCurrentPage, Offset(view.currentPage, towardsStart)};
        case PreviewWheelAction::kZoom:
            return {PreviewCommand::kZoom, Offset(view.zoom, -Wide{towardsStart} * view.zoomStep)};
        case PreviewWheelAction::kUnhandled:
            break;
    }
    return {};
}

std::optional<int> StripKeyPage(unsigned key, KeyModifiers modifiers,
                                const StripNavigation& strip) {
    const bool plain = !modifiers.shift && !modifiers.ctrl && !modifiers.alt;
    // Along a row (vertical strip) or column (horizontal strip) a step is one page; across
    // them it is a whole row or column of cells.
    const bool vertical = strip.orientation == sbVertical;
    const Wide acrossStep = vertical ? 1 : strip.rowsPerColumn;
    const Wide downStep = vertical ? strip.columnsPerRow : 1;
    const int page = strip.currentPage;
    switch (key) {
        case preview_key::kLeft:
            return plain ? std::optional(Offset(page, -acrossStep)) : std::nullopt;
        case preview_key::kRight:
            return plain ? std::optional(Offset(page, acrossStep)) : std::nullopt;
        case preview_key::kUp:
            return plain ? std::optional(Offset(page, -downStep)) : std::nullopt;
        case preview_key::kDown:
            return plain ? std::optional(Offset(page, downStep)) : std::nullopt;
        case preview_key::kPageDown:
            return modifiers.ctrl ? strip.totalPages : Offset(page, 1);
        case preview_key::kPageUp:
            return modifiers.ctrl ? 1 : Offset(page, -1);
        default:
            return std::nullopt;
    }
}

}  // namespace natalo
