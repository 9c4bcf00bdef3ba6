#include "preview/preview_input.h"

#include <gtest/gtest.h>

namespace natalo {
namespace {

namespace vk = preview_key;
using C = PreviewCommand;

constexpr KeyModifiers kPlain{};
constexpr KeyModifiers kShift{.shift = true};
constexpr KeyModifiers kCtrl{.ctrl = true};
constexpr KeyModifiers kAlt{.alt = true};
constexpr KeyModifiers kCtrlShift{.shift = true, .ctrl = true};

PreviewViewState View() {
    PreviewViewState view;
    view.horz = {50, 1000, 8};
    view.vert = {30, 2000, 12};
    view.client = {400, 300};
    view.currentPage = 2;
    view.totalPages = 3;
    view.zoom = 100;
    view.zoomStep = 10;
    return view;
}

TEST(PreviewKeys, ArrowsScrollByIncrementPixelOrClientExtent) {
    const PreviewViewState view = View();
    EXPECT_EQ(PreviewKeyCommand(vk::kLeft, kPlain, view), (C{C::kHorzPosition, 42}));
    EXPECT_EQ(PreviewKeyCommand(vk::kLeft, kShift, view), (C{C::kHorzPosition, 49}));
    EXPECT_EQ(PreviewKeyCommand(vk::kLeft, kCtrl, view), (C{C::kHorzPosition, -350}));
    EXPECT_EQ(PreviewKeyCommand(vk::kRight, kCtrl, view), (C{C::kHorzPosition, 450}));
    EXPECT_EQ(PreviewKeyCommand(vk::kUp, kPlain, view), (C{C::kVertPosition, 18}));
    EXPECT_EQ(PreviewKeyCommand(vk::kUp, kCtrl, view), (C{C::kVertPosition, -270}));
    EXPECT_EQ(PreviewKeyCommand(vk::kDown, kShift, view), (C{C::kVertPosition, 31}));
    EXPECT_EQ(PreviewKeyCommand(vk::kDown, kCtrl, view), (C{C::kVertPosition, 330}));
}

TEST(PreviewKeys, HomeAndEndGoToTheEdgesHorizontallyOrWithCtrlVertically) {
    const PreviewViewState view = View();
    EXPECT_EQ(PreviewKeyCommand(vk::kHome, kPlain, view), (C{C::kHorzPosition, 0}));
    EXPECT_EQ(PreviewKeyCommand(vk::kHome, kCtrl, view), (C{C::kVertPosition, 0}));
    EXPECT_EQ(PreviewKeyCommand(vk::kEnd, kPlain, view), (C{C::kHorzPosition, 1000}));
    EXPECT_EQ(PreviewKeyCommand(vk::kEnd, kCtrl, view), (C{C::kVertPosition, 2000}));
}

TEST(PreviewKeys, PagesAndZoom) {
    PreviewViewState view = View();
    EXPECT_EQ(PreviewKeyCommand(vk::kPageUp, kPlain, view), (C{C::kCurrentPage, 1}));
    EXPECT_EQ(PreviewKeyCommand(vk::kNumPadPlus, kPlain, view), (C{C::kZoom, 110}));
    EXPECT_EQ(PreviewKeyCommand(vk::kNumPadMinus, kPlain, view), (C{C::kZoom, 90}));

    // Page Down on the last page asks for a page after it, which changes nothing.
    view.currentPage = 3;
    const C next = PreviewKeyCommand(vk::kPageDown, kPlain, view);
    EXPECT_EQ(next, (C{C::kCurrentPage, 4}));
    EXPECT_EQ(PageToShow(next.value, view.currentPage, view.totalPages), std::nullopt);
    // Ctrl + Page Up goes to the first page, Ctrl + Page Down to the last.
    const C first = PreviewKeyCommand(vk::kPageUp, kCtrl, view);
    EXPECT_EQ(PageToShow(first.value, view.currentPage, view.totalPages), 1);
    view.currentPage = 1;
    EXPECT_EQ(PreviewKeyCommand(vk::kPageDown, kCtrl, view), (C{C::kCurrentPage, 3}));
}

TEST(PreviewKeys, OtherModifiersAndKeysAreLeftToTheDefaultHandling) {
    const PreviewViewState view = View();
    for (const unsigned key : {vk::kLeft, vk::kDown, vk::kPageDown, vk::kHome}) {
        EXPECT_EQ(PreviewKeyCommand(key, kAlt, view), C{});
        EXPECT_EQ(PreviewKeyCommand(key, kCtrlShift, view), C{});
    }
    EXPECT_EQ(PreviewKeyCommand(vk::kHome, kShift, view), C{});
    EXPECT_EQ(PreviewKeyCommand(vk::kPageUp, kShift, view), C{});
    EXPECT_EQ(PreviewKeyCommand(vk::kNumPadPlus, kCtrl, view), C{});
    EXPECT_EQ(PreviewKeyCommand('A', kPlain, view), C{});
}

TEST(PreviewKeys, RequestedPagesAreLimitedToTheDocument) {
    EXPECT_EQ(PageToShow(-5, 2, 3), 1);
    EXPECT_EQ(PageToShow(99, 2, 3), 3);
    EXPECT_EQ(PageToShow(2, 2, 3), std::nullopt);
    EXPECT_EQ(PageToShow(1, 0, 0), std::nullopt);
}

TEST(PreviewWheel, DeltasAddUpToStepsOf120) {
    WheelAccumulator wheel;
    EXPECT_EQ(wheel.Add(100), 0);
    EXPECT_EQ(wheel.Add(-150), 0);
    EXPECT_EQ(wheel.Add(-70), -1);
    EXPECT_EQ(wheel.Add(250), 2);
    EXPECT_EQ(wheel.Add(110), 1);
    EXPECT_EQ(wheel.Add(-32768), -273);
}

TEST(PreviewWheel, CtrlWithTwoDeltasOf60ZoomsInOneStep) {
    PreviewWheel wheel;
    PreviewWheelTurn turn = wheel.Turn(60, wheel_key_state::kControl);
    EXPECT_TRUE(turn.handled);
    EXPECT_EQ(turn.steps, 0);
    turn = wheel.Turn(60, wheel_key_state::kControl);
    EXPECT_EQ(turn.action, PreviewWheelAction::kZoom);
    EXPECT_EQ(turn.steps, 1);
    EXPECT_EQ(PreviewWheelCommand(turn.action, true, View()), (C{C::kZoom, 110}));
    EXPECT_EQ(PreviewWheelCommand(turn.action, false, View()), (C{C::kZoom, 90}));
}

TEST(PreviewWheel, KeyStateChoosesScrollingOrPaging) {
    PreviewWheel wheel;
    PreviewWheelTurn turn = wheel.Turn(-360, 0);
    EXPECT_EQ(turn.action, PreviewWheelAction::kScroll);
    EXPECT_EQ(turn.steps, -3);
    EXPECT_EQ(PreviewWheelCommand(turn.action, false, View()), (C{C::kVertPosition, 42}));
    EXPECT_EQ(PreviewWheelCommand(turn.action, true, View()), (C{C::kVertPosition, 18}));

    for (const unsigned keys : {wheel_key_state::kShift, wheel_key_state::kMiddleButton}) {
        turn = wheel.Turn(120, keys);
        EXPECT_EQ(turn.action, PreviewWheelAction::kPage);
        EXPECT_EQ(turn.steps, 1);
        EXPECT_EQ(PreviewWheelCommand(turn.action, true, View()), (C{C::kCurrentPage, 1}));
    }
}

TEST(PreviewWheel, OtherKeyCombinationsUseTheStepsUpUnhandled) {
    PreviewWheel wheel;
    const unsigned shiftCtrl = wheel_key_state::kShift | wheel_key_state::kControl;
    EXPECT_TRUE(wheel.Turn(60, shiftCtrl).handled);  // no whole step yet
    PreviewWheelTurn turn = wheel.Turn(60, shiftCtrl);
    EXPECT_FALSE(turn.handled);
    EXPECT_EQ(PreviewWheelCommand(turn.action, true, View()), C{});
    EXPECT_EQ(wheel.Turn(60, 0).steps, 0);
    EXPECT_FALSE(wheel.Turn(120, 0x01).handled);  // left button held
}

TEST(PreviewWheel, CursorPositionIsSigned) {
    EXPECT_EQ(WheelCursorPosition(0x0014FFF6), (PixelPoint{-10, 20}));
    EXPECT_EQ(WheelCursorPosition(static_cast<long long>(0xFFECFFF6u)), (PixelPoint{-10, -20}));
    EXPECT_EQ(WheelCursorPosition(static_cast<int>(0xFFECFFF6u)), (PixelPoint{-10, -20}));
    EXPECT_TRUE((PixelRect{-1920, 0, 0, 1080}).Contains(WheelCursorPosition(0x0014FFF6)));
}

TEST(StripKeys, AVerticalStripOfOneColumnMovesDownOnePage) {
    const int columns = ColumnsPerRow(121, 6, 84);
    const StripNavigation strip{sbVertical, 1, 3, columns, 0};
    EXPECT_EQ(StripKeyPage(vk::kDown, kPlain, strip), 2);
    EXPECT_EQ(StripKeyPage(vk::kRight, kPlain, strip), 2);
    EXPECT_EQ(StripKeyPage(vk::kUp, kPlain, {sbVertical, 7, 9, 3, 0}), 4);
}

TEST(StripKeys, AHorizontalStripMovesAcrossByAColumn) {
    const int rows = RowsPerColumn(500, 6, 130);
    const StripNavigation strip{sbHorizontal, 1, 5, 0, rows};
    EXPECT_EQ(StripKeyPage(vk::kRight, kPlain, strip), 4);
    EXPECT_EQ(StripKeyPage(vk::kDown, kPlain, strip), 2);
    EXPECT_EQ(StripKeyPage(vk::kLeft, kPlain, {sbHorizontal, 5, 5, 0, rows}), 2);
    EXPECT_EQ(StripKeyPage(vk::kUp, kPlain, {sbHorizontal, 5, 5, 0, rows}), 4);
}

TEST(StripKeys, PageKeysAndModifiers) {
    const StripNavigation strip{sbVertical, 3, 5, 2, 0};
    EXPECT_EQ(StripKeyPage(vk::kPageDown, kPlain, strip), 4);
    EXPECT_EQ(StripKeyPage(vk::kPageDown, kShift, strip), 4);
    EXPECT_EQ(StripKeyPage(vk::kPageDown, kCtrl, strip), 5);
    EXPECT_EQ(StripKeyPage(vk::kPageUp, kPlain, strip), 2);
    EXPECT_EQ(StripKeyPage(vk::kPageUp, kCtrl, strip), 1);
    EXPECT_EQ(StripKeyPage(vk::kDown, kShift, strip), std::nullopt);
    EXPECT_EQ(StripKeyPage(vk::kLeft, kAlt, strip), std::nullopt);
    EXPECT_EQ(StripKeyPage(vk::kHome, kPlain, strip), std::nullopt);
}

}  // namespace
}  // namespace natalo
