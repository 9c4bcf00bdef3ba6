// Units and the paper model of the print preview.
#include "preview/paper_model.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

namespace natalo {
namespace {

constexpr int kScreenDpi = 96;

TEST(ConvertUnits, RoundsLikeMulDivAcrossSystemsAndTruncatesWithinOne) {
    EXPECT_EQ(ConvertUnits(21005, kScreenDpi, mmHiMetric, mmLoMetric, kScreenDpi), 2100);
    EXPECT_EQ(ConvertUnits(21005, kScreenDpi, mmHiMetric, mmLoEnglish, kScreenDpi), 827);
    EXPECT_EQ(ConvertUnits(-21005, kScreenDpi, mmHiMetric, mmLoMetric, kScreenDpi), -2100);
    EXPECT_EQ(ConvertUnits(19, kScreenDpi, mmHiEnglish, mmLoEnglish, kScreenDpi), 1);
    EXPECT_EQ(ConvertUnits(39, kScreenDpi, mmTWIPS, mmPoints, kScreenDpi), 1);
    EXPECT_EQ(ConvertUnits(7, kScreenDpi, mmPoints, mmTWIPS, kScreenDpi), 140);
    EXPECT_EQ(ConvertUnits(7, kScreenDpi, mmLoEnglish, mmHiEnglish, kScreenDpi), 70);
    EXPECT_EQ(ConvertUnits(7, kScreenDpi, mmLoMetric, mmHiMetric, kScreenDpi), 70);
    // 127 hundredths of a millimetre are exactly 0.05 inch: half a 0.1-inch unit rounds up,
    // and away from zero below zero.
    EXPECT_EQ(ConvertUnits(127, kScreenDpi, mmHiMetric, mmLoEnglish, kScreenDpi), 5);
    EXPECT_EQ(ConvertUnits(-127, kScreenDpi, mmHiMetric, mmLoEnglish, kScreenDpi), -5);
    EXPECT_EQ(ConvertUnits(1, kScreenDpi, mmPoints, mmHiMetric, kScreenDpi), 35);
}

TEST(ConvertUnits, PixelsUseTheDeviceResolution) {
    EXPECT_EQ(ConvertUnits(21000, 96, mmHiMetric, mmPixel, kScreenDpi), 794);
    EXPECT_EQ(ConvertUnits(29700, 600, mmHiMetric, mmPixel, kScreenDpi), 7016);
    EXPECT_EQ(ConvertUnits(794, 96, mmPixel, mmHiMetric, kScreenDpi), 21008);
    // Screen pixels to the pixels of a 600 dpi device.
    EXPECT_EQ(ConvertUnits(100, 600, mmPixel, mmPixel, kScreenDpi), 625);
    EXPECT_EQ(ConvertUnits(100, 600, mmPixel, mmPixel, 120), 500);
}

TEST(RoundedMulDiv, RoundsHalvesAwayFromZeroAndFailsLikeWindows) {
    EXPECT_EQ(RoundedMulDiv(395, 794, 1123), 279);
    EXPECT_EQ(RoundedMulDiv(1, 1, 2), 1);
    EXPECT_EQ(RoundedMulDiv(-1, 1, 2), -1);
    EXPECT_EQ(RoundedMulDiv(3, 1, -2), -2);
    EXPECT_EQ(RoundedMulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(RoundedMulDiv(5, 7, 0), -1);
    EXPECT_EQ(RoundedMulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(RoundedMulDiv(INT_MIN, 1, 1), -1);
}

TEST(ConvertUnits, OddInputsNeitherCrashNorInventValues) {
    EXPECT_EQ(ConvertUnits(1234, kScreenDpi, static_cast<TUnits>(7), mmHiMetric, kScreenDpi), 1234);
    EXPECT_EQ(ConvertUnits(1234, kScreenDpi, mmHiMetric, static_cast<TUnits>(-1), kScreenDpi),
              1234);
    EXPECT_EQ(ConvertUnits(5, kScreenDpi, mmHiMetric, mmHiMetric, kScreenDpi), 5);
    EXPECT_EQ(ConvertUnits(100, 0, mmPixel, mmHiMetric, kScreenDpi), -1);  // MulDiv by zero
    EXPECT_EQ(ConvertUnits(2147483647, kScreenDpi, mmLoMetric, mmHiMetric, kScreenDpi), 2147483647);
    EXPECT_EQ(RoundedMulDiv(7, 1, -2), -4);

    std::array<UnitPoint, 2> points{{{21000, 29700}, {-100, 0}}};
    ConvertUnits(points, mmHiMetric, mmPixel, kScreenDpi);
    EXPECT_EQ(points[0], (UnitPoint{794, 1123}));
    EXPECT_EQ(points[1], (UnitPoint{-4, 0}));
}

TEST(PaperSizesTable, HasSixtySevenRowsEndingInTheCustomPaper) {
    EXPECT_EQ(PaperSizes.size(), 67u);
    EXPECT_EQ(pCustom, 66);
    EXPECT_EQ(PaperSizes[pCustom].paperCode, 256);
    EXPECT_EQ(PaperSizes[TabloidExtra].paperCode, 52);
    EXPECT_EQ(PaperSizes[pQuatro].paperCode, 15);
    // The codes rise through the table and skip 48 and 49.
    for (std::size_t i = 1; i < PaperSizes.size(); ++i) {
        EXPECT_LT(PaperSizes[i - 1].paperCode, PaperSizes[i].paperCode) << i;
        EXPECT_NE(PaperSizes[i].paperCode, 48);
        EXPECT_NE(PaperSizes[i].paperCode, 49);
    }
}

TEST(PaperSizesTable, SizeSearchesFindTheFirstRowOfEachGroup) {
    EXPECT_EQ(PaperTypeOfSize({21590, 27940}, mmHiMetric, kScreenDpi), pLetter);
    EXPECT_EQ(PaperTypeOfSize({21000, 29700}, mmHiMetric, kScreenDpi), pA4);
    EXPECT_EQ(PaperTypeOfSize({27940, 43180}, mmHiMetric, kScreenDpi), pTabloid);
    EXPECT_EQ(PaperTypeOfSize({25000, 35300}, mmHiMetric, kScreenDpi), pEnvB4);
    EXPECT_EQ(PaperTypeOfSize({32200, 44500}, mmHiMetric, kScreenDpi), pA3Extra);
    EXPECT_EQ(PaperTypeOfSize({1100, 2200}, mmLoMetric, kScreenDpi), pEnvDL);
    EXPECT_EQ(PaperTypeOfSize({612, 792}, mmPoints, kScreenDpi), pLetter);
    EXPECT_EQ(PaperTypeOfSize({21010, 29700}, mmHiMetric, kScreenDpi), pCustom);
    // Compared in the row's own unit: 210.01 mm is 2100 tenths.
    EXPECT_EQ(PaperTypeOfSize({21001, 29700}, mmHiMetric, kScreenDpi), pA4);
    // Every row with a size finds itself or the first row of its group.
    for (int type = 0; type < pCustom; ++type) {
        const auto found =
            PaperTypeOfSize(PaperSizeOf(static_cast<TPaperType>(type), mmHiMetric, kScreenDpi),
                            mmHiMetric, kScreenDpi);
        EXPECT_LE(found, type);
        EXPECT_EQ(PaperSizeOf(found, mmHiMetric, kScreenDpi),
                  PaperSizeOf(static_cast<TPaperType>(type), mmHiMetric, kScreenDpi));
    }
}

TEST(PaperSizesTable, PaperCodes) {
    EXPECT_EQ(PaperTypeOfCode(9), pA4);
    EXPECT_EQ(PaperTypeOfCode(1), pLetter);
    EXPECT_EQ(PaperTypeOfCode(68), pA3ExtraTransverse);
    EXPECT_EQ(PaperTypeOfCode(256), pCustom);
    EXPECT_EQ(PaperTypeOfCode(70), pCustom);
    EXPECT_EQ(PaperTypeOfCode(48), pCustom);
    EXPECT_EQ(PaperTypeOfCode(-1), pCustom);
}

class PaperModelTest : public ::testing::Test {
  protected:
    PaperModelTest() {
        paper.OnPaperChanged = [this] { ++changes; };
    }
    PaperModel paper{kScreenDpi};
    int changes = 0;
};

TEST_F(PaperModelTest, StartsAsA4PortraitInHundredthsOfAMillimetre) {
    EXPECT_EQ(paper.Units(), mmHiMetric);
    EXPECT_EQ(paper.PaperType(), pA4);
    EXPECT_EQ(paper.Orientation(), poPortrait);
    EXPECT_EQ(paper.PaperWidth(), 21000);
    EXPECT_EQ(paper.PaperHeight(), 29700);
    EXPECT_EQ(paper.PageExtent(), (PaperSize{794, 1123}));
}

TEST_F(PaperModelTest, LandscapeExchangesTheSidesAndKeepsTypeAndForm) {
    paper.SetFormName("A4");
    paper.SetOrientation(poLandscape);
    EXPECT_EQ(paper.PaperWidth(), 29700);
    EXPECT_EQ(paper.PaperHeight(), 21000);
    EXPECT_EQ(paper.PaperType(), pA4);
    EXPECT_EQ(paper.FormName(), "A4");
    EXPECT_EQ(paper.PageExtent(), (PaperSize{1123, 794}));
    EXPECT_EQ(changes, 1);
    paper.SetOrientation(poLandscape);
    EXPECT_EQ(changes, 1);
    paper.SetPaperType(pLetter);
    EXPECT_EQ(paper.PaperWidth(), 27940);
    EXPECT_EQ(paper.PaperHeight(), 21590);
    EXPECT_EQ(paper.FormName(), "");
}

TEST_F(PaperModelTest, SizeSelectsTheTypeAndIsClamped) {
    paper.SetPaperWidth(21590);
    EXPECT_EQ(paper.PaperType(), pCustom);
    paper.SetPaperHeight(27940);
    EXPECT_EQ(paper.PaperType(), pLetter);

    paper.SetFormName("Letter");
    paper.SetPaperWidth(40000);
    EXPECT_EQ(paper.PaperWidth(), 32767);
    EXPECT_EQ(paper.PaperType(), pCustom);
    EXPECT_EQ(paper.FormName(), "");
    paper.SetPaperHeight(0);
    EXPECT_EQ(paper.PaperHeight(), 1);
    EXPECT_EQ(paper.PaperType(), pCustom);

    // In landscape the portrait form of the size is looked up.
    paper.SetOrientation(poLandscape);
    paper.SetPaperSize(29700, 21000);
    EXPECT_EQ(paper.PaperType(), pA4);
    const int before = changes;
    paper.SetPaperSize(29700, 21000);
    EXPECT_EQ(changes, before);
}

TEST_F(PaperModelTest, CustomTypeKeepsTheSizeWithoutRefitting) {
    paper.SetFormName("A4");
    paper.SetPaperType(pCustom);
    EXPECT_EQ(paper.PaperWidth(), 21000);
    EXPECT_EQ(paper.FormName(), "");
    EXPECT_EQ(changes, 0);
    paper.SetPaperType(pA5);
    EXPECT_EQ(paper.PaperWidth(), 14800);
    EXPECT_EQ(paper.PaperHeight(), 21000);
    EXPECT_EQ(paper.PageExtent(), (PaperSize{559, 794}));
    EXPECT_EQ(changes, 1);
}

TEST_F(PaperModelTest, LockedPaperIgnoresTypeSizeAndOrientationButNotUnits) {
    paper.SetLocked(true);
    paper.SetPaperType(pLetter);
    paper.SetPaperSize(10000, 10000);
    paper.SetOrientation(poLandscape);
    EXPECT_EQ(paper.PaperType(), pA4);
    EXPECT_EQ(paper.PaperWidth(), 21000);
    EXPECT_EQ(paper.Orientation(), poPortrait);
    paper.SetUnits(mmLoMetric);
    EXPECT_EQ(paper.PaperWidth(), 2100);
    EXPECT_EQ(changes, 0);
}

TEST_F(PaperModelTest, UnitsReexpressTablePapersFromTheTableAndCustomOnesByConversion) {
    paper.SetOrientation(poLandscape);
    paper.SetUnits(mmLoMetric);
    EXPECT_EQ(paper.PaperWidth(), 2970);
    EXPECT_EQ(paper.PaperHeight(), 2100);

    PaperModel custom(kScreenDpi);
    custom.SetPaperSize(12345, 20000);
    ASSERT_EQ(custom.PaperType(), pCustom);
    custom.SetUnits(mmLoMetric);
    EXPECT_EQ(custom.PaperWidth(), 1234);
    EXPECT_EQ(custom.PaperHeight(), 2000);
    EXPECT_EQ(custom.PaperType(), pCustom);

    // Letter comes back exact from the table, not through a rounded detour.
    PaperModel letter(kScreenDpi);
    letter.SetPaperType(pLetter);
    letter.SetUnits(mmPixel);
    EXPECT_EQ(letter.PaperWidth(), 816);
    letter.SetUnits(mmHiEnglish);
    EXPECT_EQ(letter.PaperWidth(), 8500);
    EXPECT_EQ(letter.PaperHeight(), 11000);
}

// On a screen of another DPI a paper in screen pixels keeps its size on paper (901.5
// pixels rounded as MulDiv does).
TEST_F(PaperModelTest, APaperInScreenPixelsKeepsItsSizeOnPaperAtAnotherDpi) {
    paper.SetUnits(mmPixel);
    paper.SetPaperSize(400, 601);
    paper.SetScreenDpi(144);
    EXPECT_EQ(paper.PageExtent(), (PaperSize{600, 902}));
}

}  // namespace
}  // namespace natalo
