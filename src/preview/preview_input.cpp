#include "preview/preview_input.h"

#include <algorithm>
#include <cstdint>

namespace natalo {
namespace {

using Wide = std::int64_t;

constexpr int kWheelStep = 120;

int Offset(int value, Wide delta) {
    return SaturateToInt(value + delta);
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

// The cell of the key table for the modifiers held; empty cells and other modifiers give
// no command.
PreviewCommand Pick(ModifierSet modifiers, PreviewCommand plain, PreviewCommand shift,
                    PreviewCommand ctrl) {
    switch (modifiers) {
        case ModifierSet::kNone:
            return plain;
        case ModifierSet::kShift:
            return shift;
        case ModifierSet::kCtrl:
            return ctrl;
        case ModifierSet::kOther:
            break;
    }
    return {};
}

}  // namespace

PreviewCommand PreviewKeyCommand(unsigned key, KeyModifiers modifiers,
                                 const PreviewViewState& view) {
    using C = PreviewCommand;
    const ModifierSet held = Classify(modifiers);
    // An arrow scrolls by the increment, by one pixel with Shift, by the client extent
    // with Ctrl.
    const auto arrow = [held](C::Kind kind, const ScrollAxis& axis, int clientExtent,
                              int direction) {
        return Pick(held, {kind, Offset(axis.position, Wide{direction} * axis.increment)},
                    {kind, Offset(axis.position, direction)},
                    {kind, Offset(axis.position, Wide{direction} * clientExtent)});
    };
    switch (key) {
        case preview_key::kHome:
            return Pick(held, {C::kHorzPosition, 0}, {}, {C::kVertPosition, 0});
        case preview_key::kEnd:
            return Pick(held, {C::kHorzPosition, view.horz.range}, {},
                        {C::kVertPosition, view.vert.range});
        case preview_key::kLeft:
            return arrow(C::kHorzPosition, view.horz, view.client.cx, -1);
        case preview_key::kRight:
            return arrow(C::kHorzPosition, view.horz, view.client.cx, 1);
        case preview_key::kUp:
            return arrow(C::kVertPosition, view.vert, view.client.cy, -1);
        case preview_key::kDown:
            return arrow(C::kVertPosition, view.vert, view.client.cy, 1);
        case preview_key::kPageDown:
            return Pick(held, {C::kCurrentPage, Offset(view.currentPage, 1)}, {},
                        {C::kCurrentPage, view.totalPages});
        case preview_key::kPageUp:
            return Pick(held, {C::kCurrentPage, Offset(view.currentPage, -1)}, {},
                        {C::kCurrentPage, 1});
        case preview_key::kNumPadPlus:
            return Pick(held, {C::kZoom, Offset(view.zoom, view.zoomStep)}, {}, {});
        case preview_key::kNumPadMinus:
            return Pick(held, {C::kZoom, Offset(view.zoom, -Wide{view.zoomStep})}, {}, {});
        default:
            return {};
    }
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
    // A vertical strip holds rows of ColumnsPerRow cells: Left and Right move by one page,
    // Up and Down by a row. A horizontal strip holds columns of RowsPerColumn cells: Up and
    // Down move by one page, Left and Right by a column.
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
