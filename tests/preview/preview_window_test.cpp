// The print preview as the print window shows it: a recorded 3-page document in a preview
// and its thumbnail strip on a shown form, driven by keys, the wheel and a real mouse drag,
// and photographed, the picture checked for the blue marker around the current page.
#include <gtest/gtest.h>
#include <windows.h>

#include "preview_test_support.h"
#include "ui/gdi.h"

namespace natalo::testing {
namespace {

using ui::testing::AllOf;
using ui::testing::PressKey;
using ui::testing::PumpUntil;
using ui::testing::Screenshot;

// A point of a window's client area on screen.
POINT OnScreen(HWND window, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    return point;
}

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

constexpr COLORREF kMarkerBlue = RGB(0, 0, 255);
constexpr COLORREF kBandOfPage2 = RGB(60, 160, 90);

// The left edge of a thumbnail's page area, half-way down, where the marker frame runs.
POINT MarkerEdge(const TThumbnail& thumbnail) {
    const RECT page = thumbnail.Paper()->GetPageRect();
    return OnScreen(thumbnail.Paper()->Handle(), page.left, (page.top + page.bottom) / 2);
}

TEST_F(PreviewWindowTest, RecordedDocumentDrivenByKeysWheelAndMouse) {
    form->Show();
    RecordPages(*preview, 3);
    ASSERT_TRUE(PumpUntil([&] { return strip->CurrentThumbnail() != nullptr; }));
    ASSERT_EQ(strip->ThumbnailCount(), 3);
    EXPECT_EQ(preview->CurrentPage(), 1);
    EXPECT_TRUE(preview->Paper().Visible());
    // Fitted into 353 × 521: the width decides, the page area 348 × 492.
    EXPECT_EQ(preview->ZoomState(), zsZoomToFit);
    EXPECT_EQ(preview->Paper().GetBounds(), (ui::Bounds{0, 12, 353, 497}));
    EXPECT_EQ(preview->Zoom(), 44);

    // Keys, through the application's loop to the focused preview.
    preview->SetFocus();
    PressKey(preview->Handle(), VK_NEXT);
    EXPECT_EQ(preview->CurrentPage(), 2);
    EXPECT_EQ(strip->CurrentThumbnail(), &strip->Thumbnails(1));
    PressKey(preview->Handle(), VK_NEXT);
    PressKey(preview->Handle(), VK_NEXT);  // on the last page: nothing
    EXPECT_EQ(preview->CurrentPage(), 3);
    {
        HeldKeys ctrl{VK_CONTROL};
        PressKey(preview->Handle(), VK_PRIOR);
    }
    EXPECT_EQ(preview->CurrentPage(), 1);

    // The wheel: with Shift one page on; with Ctrl two half notches make one zoom step.
    const POINT centre = ScreenCentre(preview->Handle());
    TurnWheel(preview->Handle(), centre, -WHEEL_DELTA, MK_SHIFT);
    EXPECT_EQ(preview->CurrentPage(), 2);
    int zoomChanges = 0;
    preview->OnZoomChange = [&] { ++zoomChanges; };
    TurnWheel(preview->Handle(), centre, 60, MK_CONTROL);
    EXPECT_EQ(preview->Zoom(), 44);
    TurnWheel(preview->Handle(), centre, 60, MK_CONTROL);
    EXPECT_EQ(preview->Zoom(), 54);
    EXPECT_EQ(preview->ZoomState(), zsZoomOther);
    EXPECT_EQ(zoomChanges, 1);
    // Outside the preview the wheel does nothing to it.
    TurnWheel(preview->Handle(), {centre.x, centre.y + 2000}, -WHEEL_DELTA, MK_SHIFT);
    EXPECT_EQ(preview->CurrentPage(), 2);

    // At 100 % the paper is larger than the view both ways: the hand cursor, both bars.
    preview->SetZoom(100);
    ASSERT_TRUE(preview->CanScrollHorz() && preview->CanScrollVert());
    EXPECT_TRUE(preview->HorzScrollBar().IsScrollBarVisible());
    EXPECT_TRUE(preview->VertScrollBar().IsScrollBarVisible());
    EXPECT_EQ(preview->Paper().Cursor(), crHandOpen);

    // A drag with the mouse 40 pixels left and 60 up scrolls the view with it.
    const POINT start = ScreenCentre(preview->Handle());
    ASSERT_TRUE(ui::testing::MoveMouseTo(start));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return preview->IsDragging(); }));
    EXPECT_EQ(preview->Paper().Cursor(), crHandGrab);
    EXPECT_EQ(::GetFocus(), preview->Handle());
    ::SetCursorPos(start.x - 40, start.y - 60);
    EXPECT_TRUE(PumpUntil([&] {
        return preview->HorzScrollBar().Position() == 40 &&
               preview->VertScrollBar().Position() == 60;
    }));
    SendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([&] { return !preview->IsDragging(); }));
    EXPECT_EQ(preview->Paper().Cursor(), crHandOpen);
    ::SetCursorPos(0, 0);

    // The picture: the second page at 100 %, scrolled by the drag, its band 76 to 227
    // pixels down the page; its thumbnail framed in blue.
    const TThumbnail& marked = strip->Thumbnails(1);
    const TThumbnail& other = strip->Thumbnails(0);
    ASSERT_EQ(strip->CurrentThumbnail(), &marked);
    ASSERT_NE(marked.Paper(), nullptr);
    const HWND paper = preview->Paper().Handle();
    EXPECT_TRUE(ui::testing::ScreenShows(
        form->Handle(), "print-preview.png",
        [&](const Screenshot& shot) {
            const auto at = [&](POINT screen) {
                const RECT window = ui::testing::WindowRect(form->Handle());
                return POINT{screen.x - window.left, screen.y - window.top};
            };
            return AllOf({shot.HasColourAt(at(OnScreen(paper, 100, 80)), kBandOfPage2),
                          shot.HasColourAt(at(OnScreen(paper, 100, 226)), kBandOfPage2),
                          shot.HasColourAt(at(OnScreen(paper, 100, 232)), RGB(255, 255, 255)),
                          shot.HasColourAt(at(MarkerEdge(marked)), kMarkerBlue),
                          shot.HasColourAt(at(MarkerEdge(other)), RGB(255, 255, 255))});
        }))
        << "the page shows where the drag left it; only the current page's thumbnail is "
           "framed in blue";
}

}  // namespace
}  // namespace natalo::testing
