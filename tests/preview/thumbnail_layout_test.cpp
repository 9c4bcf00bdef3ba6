#include "preview/thumbnail_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace natalo {
namespace {

constexpr PixelSize kA4{794, 1123};
constexpr LabelFontMetrics kFont{11, 13, 1};

using Origins = std::vector<PixelPoint>;

TEST(ThumbnailLayout, APaperWiderThanItsLabelCentresTheLabelBelowIt) {
    // 10 % of A4 is 79 × 112, plus border 1 and shadow 3.
    const ThumbnailCell cell = CalcThumbnailLayout(kA4, 10, {1, 3}, 3, kFont);
    EXPECT_EQ(cell.paperSize, (PixelSize{84, 117}));
    EXPECT_EQ(cell.paperOffset, (PixelPoint{0, 0}));
    EXPECT_EQ(cell.labelSize, (PixelSize{11, 14}));
    EXPECT_EQ(cell.labelOffset, (PixelPoint{36, 119}));
    EXPECT_EQ(cell.cellSize, (PixelSize{84, 133}));
    EXPECT_EQ(cell.PaperBounds({6, 10}), PixelRect::FromBounds(6, 10, 84, 117));
    EXPECT_EQ(cell.LabelBounds({6, 10}), PixelRect::FromBounds(42, 129, 11, 14));
}

TEST(ThumbnailLayout, ALabelWiderThanItsPaperCentresThePaperAboveIt) {
    // 1,000 pages need four digits: 44 pixels, more than the 13 of a paper at 1 %.
    const ThumbnailCell cell = CalcThumbnailLayout(kA4, 1, {1, 3}, 1000, kFont);
    EXPECT_EQ(cell.paperSize, (PixelSize{13, 16}));
    EXPECT_EQ(cell.paperOffset, (PixelPoint{15, 0}));
    EXPECT_EQ(cell.labelOffset, (PixelPoint{0, 18}));
    EXPECT_EQ(cell.cellSize, (PixelSize{44, 32}));
}

TEST(ThumbnailLayout, AZoomBelowZeroGivesAnEmptyPageArea) {
    EXPECT_EQ(CalcThumbnailLayout(kA4, -50, {1, 3}, 9, kFont).paperSize, (PixelSize{5, 5}));
}

TEST(ThumbnailLayout, VerticalStripWrapsAtTheClientWidth) {
    ThumbnailFlow flow{sbVertical, 6, {121, 500}, {}};
    const PixelSize cell{84, 133};
    EXPECT_EQ(ThumbnailCellOrigins(3, flow, cell), (Origins{{6, 6}, {6, 145}, {6, 284}}));
    EXPECT_EQ(ColumnsPerRow(121, 6, 84), 1);

    flow.client.cx = 200;
    flow.scrollOffset = {0, 100};
    EXPECT_EQ(ThumbnailCellOrigins(3, flow, cell), (Origins{{6, -94}, {96, -94}, {6, 45}}));
    EXPECT_EQ(ColumnsPerRow(200, 6, 84), 2);
}

TEST(ThumbnailLayout, HorizontalStripWrapsAfterTheThirdThumbnail) {
    // 6 + 3 × 136 + 130 > 500.
    const ThumbnailFlow flow{sbHorizontal, 6, {300, 500}, {50, 0}};
    EXPECT_EQ(ThumbnailCellOrigins(5, flow, {84, 130}),
              (Origins{{-44, 6}, {-44, 142}, {-44, 278}, {46, 6}, {46, 142}}));
    EXPECT_EQ(RowsPerColumn(500, 6, 130), 3);
}

TEST(ThumbnailLayout, CellsPerRowAndColumnAreTheCellsTheFlowPutsThere) {
    // Also where the last cell of a row touches the edge (180 = 2 × (6 + 84)) and with
    // margins as wide as a cell or wider.
    const PixelSize cell{84, 84};
    for (const int margin : {0, 6, 84, 255}) {
        for (int extent = 0; extent <= 800; ++extent) {
            const Origins rows =
                ThumbnailCellOrigins(20, {sbVertical, margin, {extent, 500}, {}}, cell);
            const Origins columns =
                ThumbnailCellOrigins(20, {sbHorizontal, margin, {500, extent}, {}}, cell);
            int inRow = 0;
            while (inRow < 20 && rows[inRow].y == rows[0].y) {
                ++inRow;
            }
            int inColumn = 0;
            while (inColumn < 20 && columns[inColumn].x == columns[0].x) {
                ++inColumn;
            }
            ASSERT_EQ(ColumnsPerRow(extent, margin, cell.cx), inRow) << margin << " " << extent;
            ASSERT_EQ(RowsPerColumn(extent, margin, cell.cy), inColumn) << margin << " " << extent;
        }
    }
}

TEST(ThumbnailLayout, TheWidestMarginIsAccepted) {
    EXPECT_EQ(ThumbnailCellOrigins(2, {sbVertical, 255, {121, 500}, {}}, {84, 133}),
              (Origins{{255, 255}, {255, 643}}));
    EXPECT_EQ(ColumnsPerRow(1000, 255, 84), 2);
    EXPECT_EQ(RowsPerColumn(100, 6, 130), 1);
    EXPECT_EQ(ColumnsPerRow(100, 0, 0), 1);
    EXPECT_TRUE(ThumbnailCellOrigins(0, {}, {84, 133}).empty());
}

TEST(ThumbnailLayout, PositionsOfAVeryLongStripStayInsideInt) {
    const Origins origins =
        ThumbnailCellOrigins(3000, {sbVertical, 6, {100, 500}, {}}, {1'000'000, 1'000'000});
    EXPECT_EQ(origins.back().y, INT_MAX);
}

TEST(ThumbnailLayout, TheMarkedThumbnailIsScrolledIntoViewWithItsFrame) {
    const PixelRect paper = PixelRect::FromBounds(6, 600, 84, 117);
    const PixelRect label = PixelRect::FromBounds(42, 719, 11, 14);
    const PixelRect marked = MarkerRevealRect(paper, label);
    EXPECT_EQ(marked, (PixelRect{5, 599, 91, 734}));

    const PixelSize client{121, 500};
    // Below the client area: its bottom comes to the bottom edge.
    EXPECT_EQ(ScrollRectInView(marked, {0, 40}, client, {0, 0}), (PixelPoint{0, 40 + 234}));
    // Above it: its top comes to the top edge, the scroll bar's margin kept free.
    EXPECT_EQ(ScrollRectInView({5, -30, 91, 10}, {0, 300}, client, {0, 8}), (PixelPoint{0, 262}));
    // Taller than the client area: its top wins.
    EXPECT_EQ(ScrollRectInView({5, 100, 91, 700}, {0, 0}, client, {0, 0}), (PixelPoint{0, 100}));
    // Already visible: nothing moves; horizontally the same rules.
    EXPECT_EQ(ScrollRectInView({5, 10, 91, 50}, {0, 7}, client, {0, 0}), (PixelPoint{0, 7}));
    EXPECT_EQ(ScrollRectInView({100, 10, 150, 50}, {20, 0}, client, {2, 0}),
              (PixelPoint{20 + 31, 0}));
}

}  // namespace
}  // namespace natalo
