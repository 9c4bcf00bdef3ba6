#include "ui/dpi_scale.h"

#include <gtest/gtest.h>

namespace natalo::ui {
namespace {

TEST(DpiScaleTest, ScalesLikeMulDivAndLeavesTheLayoutAt96) {
    struct Case {
        int value, dpi, expected;
    };
    for (const Case& c : {Case{380, 96, 380}, Case{380, 144, 570}, Case{5, 120, 6},  // 6.25
                          Case{1, 144, 2},                                           // 1.5 up
                          Case{-3, 144, -5},  // halves away from zero, as MulDiv
                          Case{13, 192, 26}, Case{0, 144, 0}}) {
        EXPECT_EQ(ScaleToDpi(c.value, c.dpi), c.expected) << c.value << " at " << c.dpi;
    }
    EXPECT_EQ(ScaleToDpi(Bounds{9, 333, 84, 13}, 144), (Bounds{14, 500, 126, 20}));
}

TEST(DpiScaleTest, FontsGrowFromTheirHeightAt96AndNeverOutgrowTheirPlace) {
    EXPECT_EQ(FontHeightForDpi(8, false, 96), -11);   // 8 pt: 10.67 pixels
    EXPECT_EQ(FontHeightForDpi(7, false, 96), -9);    // 9.33
    EXPECT_EQ(FontHeightForDpi(7, false, 144), -13);  // 9 × 1.5, down: not 14 (7 pt at 144)
    EXPECT_EQ(FontHeightForDpi(8, false, 120), -13);  // 13.75
    EXPECT_EQ(FontHeightForDpi(11, true, 96), -11);
    EXPECT_EQ(FontHeightForDpi(11, true, 144), -16);  // 16.5
    EXPECT_EQ(FontHeightForDpi(13, true, 192), -26);
    // The bitmap face of 96 DPI gives way to its scalable twin elsewhere.
    EXPECT_EQ(FaceForDpi("MS Sans Serif", 96), "MS Sans Serif");
    EXPECT_EQ(FaceForDpi("MS Sans Serif", 144), "Microsoft Sans Serif");
    EXPECT_EQ(FaceForDpi("Tahoma", 144), "Tahoma");
}

}  // namespace
}  // namespace natalo::ui
