#include "preview/screen_cursors.h"

#include "preview/paper_sheet_options.h"

namespace natalo {
namespace {

// Resource cursors are shared: loaded once, never destroyed.
HCURSOR ResourceCursor(const char* name, LPCSTR systemFallback) {
    HCURSOR cursor = ::LoadCursorA(::GetModuleHandleA(nullptr), name);
    return cursor ? cursor : ::LoadCursorA(nullptr, systemFallback);
}

}  // namespace

HCURSOR ScreenCursor(int number) {
    static const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    static const HCURSOR hand = ResourceCursor("CURSOR_HAND", IDC_HAND);
    static const HCURSOR grab = ResourceCursor("CURSOR_GRAB", IDC_SIZEALL);
    switch (number) {
        case crHandOpen:
            return hand;
        case crHandGrab:
            return grab;
        default:
            return arrow;
    }
}

}  // namespace natalo
