#include "preview/paper_sheet_options.h"

#include <gtest/gtest.h>

namespace natalo {
namespace {

TEST(PaperSheetOptions, AssignCopiesThroughTheSettersAndReportsEachChange) {
    TPaperSheetOptions source, options;
    EXPECT_EQ(options.PaperColor(), clWhite);
    EXPECT_EQ(options.ShadowColor(), clBtnShadow);
    EXPECT_EQ(options.DragCursor(), crHandOpen);
    EXPECT_EQ(options.GrabCursor(), crHandGrab);
    int changes = 0;
    options.OnChange = [&] { ++changes; };
    options.Assign(source);
    EXPECT_EQ(changes, 0);
    source.SetBorderWidth(-4);
    EXPECT_EQ(source.BorderWidth(), 0);
    source.SetShadowColor(clBlue);
    source.SetCursor(crHandGrab);
    source.AssignTo(options);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(options.BorderWidth(), 0);
    EXPECT_EQ(options.ShadowColor(), clBlue);
    EXPECT_EQ(options.Cursor(), crHandGrab);
    options.SetShadowWidth(3);  // unchanged: no report
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace natalo
