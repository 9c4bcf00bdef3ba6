#include "preview/scroll_bar_model.h"

#include <gtest/gtest.h>

#include <climits>

namespace natalo {
namespace {

constexpr PixelSize kBars{17, 17};

TEST(ScrollBarModel, ABarShowsWhereTheRangeExceedsTheClientAndTakesRoomFromTheOther) {
    EXPECT_EQ(ScrollBarsNeeded({400, 400}, {400, 400}, kBars, true, true), (ScrollBarsShown{}));
    EXPECT_EQ(ScrollBarsNeeded({383, 540}, {400, 400}, kBars, true, true),
              (ScrollBarsShown{false, true}));
    // 390 fits 400 but not the 383 left beside the vertical bar.
    EXPECT_EQ(ScrollBarsNeeded({390, 540}, {400, 400}, kBars, true, true),
              (ScrollBarsShown{true, true}));
    EXPECT_EQ(ScrollBarsNeeded({500, 390}, {400, 400}, kBars, true, true),
              (ScrollBarsShown{true, true}));
    // A bar that may not show leaves its direction cut off, and takes no room.
    EXPECT_EQ(ScrollBarsNeeded({500, 390}, {400, 400}, kBars, false, true),
              (ScrollBarsShown{false, false}));
}

TEST(ScrollBarModel, PositionsStayBetweenZeroAndTheRangeLessTheClient) {
    EXPECT_EQ(AutoScrollRange(540, 6), 546);
    EXPECT_EQ(AutoScrollRange(-20, 6), 0);
    EXPECT_EQ(AutoScrollRange(INT_MAX, 6), INT_MAX);
    EXPECT_EQ(ClampScrollPosition(500, 540, 400), 140);
    EXPECT_EQ(ClampScrollPosition(-5, 540, 400), 0);
    EXPECT_EQ(ClampScrollPosition(50, 300, 400), 0);
    EXPECT_EQ(MaxScrollPosition(INT_MIN, INT_MAX), 0);
}

}  // namespace
}  // namespace natalo
