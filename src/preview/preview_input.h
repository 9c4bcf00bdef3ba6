// The keyboard and mouse-wheel tables of the page preview and of the thumbnail strip: which
// key or wheel turn, with which modifiers, asks for which scroll position, page or zoom.
// The components apply the answer through their own setters, which limit it.
#pragma once

#include <optional>

#include "preview/preview_geometry.h"
#include "preview/thumbnail_layout.h"

namespace natalo {

// The virtual-key codes the two components handle.
namespace preview_key {
constexpr unsigned kPageUp = 0x21;
constexpr unsigned kPageDown = 0x22;
constexpr unsigned kEnd = 0x23;
constexpr unsigned kHome = 0x24;
constexpr unsigned kLeft = 0x25;
constexpr unsigned kUp = 0x26;
constexpr unsigned kRight = 0x27;
constexpr unsigned kDown = 0x28;
constexpr unsigned kNumPadPlus = 0x6B;
constexpr unsigned kNumPadMinus = 0x6D;
}  // namespace preview_key

// Bits of a wheel message's key-state word.
namespace wheel_key_state {
constexpr unsigned kShift = 0x04;
constexpr unsigned kControl = 0x08;
constexpr unsigned kMiddleButton = 0x10;
}  // namespace wheel_key_state

// The modifier keys held with a key press.
struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

struct ScrollAxis {
    int position = 0;
    int range = 0;
    int increment = 0;
};

// The preview's state as far as its keys and wheel need it.
struct PreviewViewState {
    ScrollAxis horz;
    ScrollAxis vert;
    PixelSize client;  // the component's client area
    int currentPage = 0;
    int totalPages = 0;
    int zoom = 100;
    int zoomStep = 10;
};

// A value to set on the preview: a scroll position, the current page or the zoom.
struct PreviewCommand {
    enum Kind { kNone, kHorzPosition, kVertPosition, kCurrentPage, kZoom };
    Kind kind = kNone;
    int value = 0;
    friend bool operator==(const PreviewCommand&, const PreviewCommand&) = default;
};

// The command for a key pressed on the preview with exactly these modifiers; kNone leaves
// the key to the default handling.
PreviewCommand PreviewKeyCommand(unsigned key, KeyModifiers modifiers,
                                 const PreviewViewState& view);

// The page to switch to when a page is asked for: the request limited to 1..totalPages;
// nothing when there are no pages or that page is current already.
std::optional<int> PageToShow(int requested, int currentPage, int totalPages);

// The cursor's screen position carried in a wheel message's lParam. The coordinates are
// signed: monitors left of or above the primary one have negative ones.
PixelPoint WheelCursorPosition(long long lParam);

// Wheel movement gathered into whole steps of 120, so that small deltas add up.
class WheelAccumulator {
  public:
    // Adds one message's delta; returns the whole steps completed, positive for steps back
    // (wheel turned away from the user), negative for steps forward.
    int Add(int delta);

  private:
    int pending_ = 0;
};

// What the preview's wheel steps do, decided by the message's key state.
enum class PreviewWheelAction { kScroll, kPage, kZoom, kUnhandled };

struct PreviewWheelTurn {
    bool handled = true;  // the message's result: false when steps went to no action
    PreviewWheelAction action = PreviewWheelAction::kScroll;
    int steps = 0;  // positive back, negative forward; each applied as its own command
};

class PreviewWheel {
  public:
    // One wheel message over the preview: its delta and key-state word.
    PreviewWheelTurn Turn(int delta, unsigned keyState);

  private:
    WheelAccumulator accumulator_;
};

// The command of one wheel step in the current state; kNone for kUnhandled.
PreviewCommand PreviewWheelCommand(PreviewWheelAction action, bool back,
                                   const PreviewViewState& view);

struct StripNavigation {
    TScrollBarKind orientation = sbVertical;
    int currentPage = 0;
    int totalPages = 0;
    int columnsPerRow = 1;
    int rowsPerColumn = 1;
};

// The page a key pressed on the thumbnail strip asks for, or nothing to leave the key to
// the default handling. Arrows (without modifiers only) go to the neighbouring cell in
// their direction; Page Up and Page Down go one page, with Ctrl to the first or last page.
std::optional<int> StripKeyPage(unsigned key, KeyModifiers modifiers, const StripNavigation& strip);

}  // namespace natalo
