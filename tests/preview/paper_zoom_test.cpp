#include "preview/paper_zoom.h"

#include <gtest/gtest.h>

#include <climits>

#include "preview/paper_zoom_settings.h"

namespace natalo {
namespace {

constexpr PixelSize kA4{794, 1123};  // A4 portrait at 96 pixels per inch
constexpr PaperFrame kFrame{1, 3};

PaperZoom A4(TZoomState state, int zoom = 100) {
    return {kA4, kFrame, state, zoom};
}

PaperViewport Client(int cx, int cy) {
    PaperViewport viewport;
    viewport.client = {cx, cy};
    viewport.scrollBars = {17, 17};
    return viewport;
}

TEST(PaperZoom, A4FittedIntoASquareFitsTheHeightAndIsCentred) {
    const PaperLayout layout = LayoutPaper(A4(zsZoomToFit), Client(400, 400));
    EXPECT_EQ(layout.bounds, PixelRect::FromBounds(58, 0, 284, 400));
    EXPECT_EQ(layout.zoom, 35);
    EXPECT_FALSE(layout.canScrollHorz);
    EXPECT_FALSE(layout.canScrollVert);
}

TEST(PaperZoom, FittedZoomRoundsHalvesToEven) {
    // Page area heights of 1, 3, 5 and 7 on a page 200 high are 0.5, 1.5, 2.5 and 3.5 %.
    const PaperZoom paper{{100, 200}, {0, 0}, zsZoomToHeight, 100};
    EXPECT_EQ(FitPaper(paper, {1000, 1}).zoom, 0);
    EXPECT_EQ(FitPaper(paper, {1000, 3}).zoom, 2);
    EXPECT_EQ(FitPaper(paper, {1000, 5}).zoom, 2);
    EXPECT_EQ(FitPaper(paper, {1000, 7}).zoom, 4);
    EXPECT_EQ(FitPaper(paper, {1000, 8}).zoom, 4);
}

TEST(PaperZoom, ZoomToWidthOfATallPageMakesRoomForTheVerticalBar) {
    PaperLayout layout = LayoutPaper(A4(zsZoomToWidth), Client(400, 400));
    EXPECT_TRUE(layout.canScrollVert);
    // Fitted again into 400 - 17: page area 378 wide, 535 high.
    EXPECT_EQ(layout.bounds, PixelRect::FromBounds(0, 0, 383, 540));
    EXPECT_EQ(layout.zoom, 48);
    // The horizontal test sees the width fitted before the bar, so room is kept for a
    // horizontal bar too; the ranges decide that it does not show.
    EXPECT_TRUE(layout.canScrollHorz);
    EXPECT_EQ(layout.room, (PixelSize{383, 383}));

    // Laid out again once the bars show, the paper stays where it is.
    PaperViewport scrolled = Client(383, 383);
    scrolled.horzBarShowing = scrolled.vertBarShowing = true;
    EXPECT_EQ(LayoutPaper(A4(zsZoomToWidth), scrolled).bounds, layout.bounds);

    // Without automatic scrolling nothing is set aside.
    scrolled.autoScroll = false;
    layout = LayoutPaper(A4(zsZoomToWidth), scrolled);
    EXPECT_EQ(layout.bounds.Width(), 383);
    EXPECT_FALSE(layout.canScrollHorz);
}

TEST(PaperZoom, ZoomToHeightOfAWidePageMakesRoomForTheHorizontalBar) {
    const PaperLayout layout =
        LayoutPaper({{1123, 794}, kFrame, zsZoomToHeight, 100}, Client(400, 400));
    EXPECT_TRUE(layout.canScrollHorz);
    EXPECT_EQ(layout.bounds, PixelRect::FromBounds(0, 0, 540, 383));
    EXPECT_EQ(layout.zoom, 48);
}

TEST(PaperZoom, ZoomOtherKeepsItsSizeAndIsCentredInsideTheMargins) {
    PaperViewport viewport = Client(401, 300);
    viewport.horzMargin = 10;
    viewport.vertMargin = 5;
    // 20 % of 794 × 1123 is 159 × 225, plus the frame; the room is 381 × 290.
    PaperLayout layout = LayoutPaper(A4(zsZoomOther, 20), viewport);
    EXPECT_EQ(layout.bounds, PixelRect::FromBounds(10 + 108, 5 + 30, 164, 230));
    EXPECT_EQ(layout.zoom, 20);

    layout = LayoutPaper(A4(zsZoomOther, 200), viewport);
    EXPECT_EQ(layout.bounds, PixelRect::FromBounds(10, 5, 1593, 2251));
    EXPECT_TRUE(layout.canScrollHorz && layout.canScrollVert);
    EXPECT_EQ(layout.room, (PixelSize{381 - 17, 290 - 17}));
}

TEST(PaperZoom, ZoomToFitNeverNeedsAScrollBar) {
    // Including proportions where the frame decides between fitting width or height.
    for (const PixelSize page : {kA4, PixelSize{100, 200}, PixelSize{1123, 794}}) {
        for (int cx = 20; cx <= 300; cx += 7) {
            for (int cy = 20; cy <= 300; cy += 3) {
                const PaperLayout layout =
                    LayoutPaper({page, kFrame, zsZoomToFit, 100}, Client(cx, cy));
                ASSERT_FALSE(layout.canScrollHorz || layout.canScrollVert)
                    << page.cx << "x" << page.cy << " in " << cx << "x" << cy;
                ASSERT_TRUE(layout.bounds.Width() == cx || layout.bounds.Height() == cy);
            }
        }
    }
}

TEST(PaperZoom, DegenerateInputsGiveAFramedEmptyPaper) {
    // A client smaller than the frame, or none at all.
    for (const PixelSize room : {PixelSize{2, 2}, PixelSize{-40, -40}}) {
        for (const TZoomState state : {zsZoomToWidth, zsZoomToHeight, zsZoomToFit}) {
            const PaperFit fit = FitPaper(A4(state), room);
            EXPECT_EQ(fit.size, (PixelSize{5, 5}));
            EXPECT_EQ(fit.zoom, 0);
        }
    }
    // A page of no pixels (a paper of a few hundredths of a millimetre) counts as 1 × 1.
    EXPECT_EQ(FitPaper({{0, 0}, kFrame, zsZoomToFit, 100}, {400, 300}).size, (PixelSize{300, 300}));
    // A zoom no bitmap can hold stays inside the pixel limit.
    EXPECT_EQ(FitPaper(A4(zsZoomOther, INT_MAX), {}).size,
              (PixelSize{kPaperPixelLimit, kPaperPixelLimit}));
    EXPECT_EQ(PaperFrame({INT_MAX, INT_MAX}).Thickness(), kPaperPixelLimit);
    EXPECT_EQ(PaperFrame({-5, 3}).Thickness(), 0);
}

TEST(PaperZoom, ScrollPositionsAreRememberedRelativeToTheScrollableDistance) {
    EXPECT_EQ(ScrollPercent(150, 700, 400), 50);
    EXPECT_EQ(ScrollPercent(100, 400, 400), 0);  // nothing to scroll
    EXPECT_EQ(ScrollPercent(-20, 700, 400), 0);
    EXPECT_EQ(ScrollPositionFromPercent(33, 1000, 400), 198);
    EXPECT_EQ(ScrollPositionFromPercent(100, 1000, 400), 600);
    EXPECT_EQ(ScrollPositionFromPercent(50, 300, 400), 0);
    EXPECT_EQ(ScrollPositionFromPercent(ScrollPercent(300, 700, 400), 1400, 400), 1000);
}

TEST(PaperZoom, ADraggedPaperStaysBetweenTheMargins) {
    // A paper 600 wide in a client 400 wide with margins of 10: left from -210 to 10.
    EXPECT_EQ(DraggedPaperOffset(-50, 30, 400, 10, 600), -20);
    EXPECT_EQ(DraggedPaperOffset(-50, 100, 400, 10, 600), 10);
    EXPECT_EQ(DraggedPaperOffset(-50, -300, 400, 10, 600), -210);
}

TEST(ZoomSettings, ZoomIsClampedAndFrozenAndTheSameValueDoesNothing) {
    ZoomSettings zoom;
    EXPECT_EQ(zoom.ZoomState(), zsZoomToFit);
    EXPECT_TRUE(zoom.SetZoom(1000));
    EXPECT_EQ(zoom.Zoom(), 500);
    EXPECT_EQ(zoom.ZoomState(), zsZoomOther);
    EXPECT_FALSE(zoom.SetZoom(1000));
    EXPECT_FALSE(zoom.SetZoom(500));
    EXPECT_TRUE(zoom.SetZoom(-3));
    EXPECT_EQ(zoom.Zoom(), 10);

    // A fitted paper's zoom, set as it is, freezes when set again through SetZoom.
    EXPECT_TRUE(zoom.SetZoomState(zsZoomToFit));
    EXPECT_FALSE(zoom.SetZoomState(zsZoomToFit));
    zoom.StoreZoom(35);
    EXPECT_TRUE(zoom.SetZoom(35));
    EXPECT_EQ(zoom.ZoomState(), zsZoomOther);
}

TEST(ZoomSettings, InvalidLimitsAreIgnoredAndValidOnesPullAFrozenZoomIn) {
    ZoomSettings zoom;
    EXPECT_FALSE(zoom.SetZoomMin(0));
    EXPECT_FALSE(zoom.SetZoomMin(501));
    EXPECT_FALSE(zoom.SetZoomMax(9));
    EXPECT_EQ(zoom.ZoomMin(), 10);
    EXPECT_EQ(zoom.ZoomMax(), 500);

    // A fitted zoom is not bounded by the limits.
    EXPECT_FALSE(zoom.SetZoomMin(200));
    EXPECT_EQ(zoom.ZoomMin(), 200);
    EXPECT_EQ(zoom.Zoom(), 100);

    zoom.SetZoom(300);
    EXPECT_EQ(zoom.SetZoomMin(400), 400);
    EXPECT_EQ(zoom.SetZoomMax(450), std::nullopt);
    zoom.SetZoom(450);
    EXPECT_EQ(zoom.SetZoomMax(420), 420);
    EXPECT_EQ(zoom.ZoomMax(), 420);
}

}  // namespace
}  // namespace natalo
