// The preview's view as real windows: the paper sheet, the paper's place and size for the
// zoom states, the scroll bars, zoom limits and a zoom too large to show, dragging, the
// frame widths, the annotation overlay and the hand cursors.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32_handle.h"
#include "preview/paper_sheet.h"
#include "preview/screen_cursors.h"
#include "preview_test_support.h"

namespace natalo {
namespace {

using ui::testing::ClientPixel;
using ui::testing::Pump;

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

// A mouse press, move and release on a window, through the application's loop.
void Drag(HWND window, POINT from, POINT to) {
    ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(from.x, from.y));
    ::PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(to.x, to.y));
    ::PostMessageA(window, WM_LBUTTONUP, 0, At(to.x, to.y));
    Pump(10);
}

using PaperSheetTest = ui::testing::UiTest;

TEST_F(PaperSheetTest, FrameShadowAndPageAreDrawnOnceIntoTheBitmap) {
    ui::testing::TestForm form;
    TPaperSheet paper(form);
    EXPECT_EQ(paper.GetBounds(), (ui::Bounds{0, 0, 110, 153}));
    EXPECT_EQ(paper.PaperWidth(), 105);
    EXPECT_EQ(paper.PaperHeight(), 148);
    const RECT page = paper.GetPageRect();
    EXPECT_EQ(page.left, 1);
    EXPECT_EQ(page.right, 106);
    EXPECT_EQ(page.bottom, 149);
    {
        ui::WindowDc dc(paper.Handle());
        EXPECT_EQ(
            ::SendMessageA(paper.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.dc()), 0), 1);
    }
    int paints = 0;
    paper.OnPaint = [&](TPaperSheet&, TCanvas& canvas, const RECT& r) {
        ++paints;
        ui::FillSolid(canvas.Handle(), {r.left, r.top, r.left + 10, r.top + 10}, RGB(255, 0, 0));
    };
    paper.Invalidate();
    EXPECT_EQ(ClientPixel(paper.Handle(), 0, 0), RGB(0, 0, 0));    // border
    EXPECT_EQ(ClientPixel(paper.Handle(), 5, 5), RGB(255, 0, 0));  // the page's drawing
    EXPECT_EQ(ClientPixel(paper.Handle(), 50, 50), RGB(255, 255, 255));
    EXPECT_EQ(ClientPixel(paper.Handle(), 109, 152), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(ClientPixel(paper.Handle(), 109, 1), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(paints, 1) << "later paints copy the bitmap";
    paper.SetPaperColor(RGB(255, 255, 0));
    EXPECT_EQ(ClientPixel(paper.Handle(), 50, 50), RGB(255, 255, 0));
    EXPECT_EQ(paints, 2);

    // A wider border keeps the page area: the control grows.
    paper.SetBorderSize(3);
    EXPECT_EQ(paper.GetBounds().width, 114);
    EXPECT_EQ(paper.PaperWidth(), 105);
    EXPECT_EQ(ClientPixel(paper.Handle(), 2, 50), RGB(0, 0, 0));
}

class PagePreviewViewTest : public testing::PreviewTest {
  protected:
    void SetUp() override {
        PreviewTest::SetUp();
        preview = std::make_unique<TPagePreview>(*form, ui::Bounds{0, 0, 400, 400}, printer);
        testing::RecordPages(*preview, 2);
        preview->OnZoomChange = [this] { ++zoomChanges; };
        form->Show();
    }
    void TearDown() override {
        preview.reset();
        PreviewTest::TearDown();
    }
    HWND Paper() { return preview->Paper().Handle(); }
    bool HasStyle(DWORD style) {
        return (::GetWindowLongA(preview->Handle(), GWL_STYLE) & style) != 0;
    }

    testing::FakePrintSpooler spooler;
    TPrinter printer{spooler};
    std::unique_ptr<TPagePreview> preview;
    int zoomChanges = 0;
};

TEST_F(PagePreviewViewTest, AFourFitsASquareClientCentredWithoutScrollBars) {
    EXPECT_EQ(preview->ZoomState(), zsZoomToFit);
    EXPECT_EQ(preview->Paper().GetBounds(), (ui::Bounds{58, 0, 284, 400}));
    EXPECT_EQ(preview->Paper().PaperWidth(), 279);
    EXPECT_EQ(preview->Zoom(), 35);
    EXPECT_FALSE(HasStyle(WS_HSCROLL) || HasStyle(WS_VSCROLL));
    EXPECT_EQ(preview->Paper().Cursor(), crDefault);
    EXPECT_EQ(ClientPixel(Paper(), 0, 200), RGB(0, 0, 0));
    EXPECT_EQ(ClientPixel(Paper(), 30, 30), RGB(230, 90, 60)) << "page 1's band";

    // Resizing lays the paper out again.
    preview->SetBounds({0, 0, 400, 600});
    EXPECT_EQ(preview->Paper().GetBounds().width, 400);
    EXPECT_EQ(preview->Zoom(), 50);
}

TEST_F(PagePreviewViewTest, ZoomToWidthOfATallPageScrollsVerticallyWithTheOpenHand) {
    preview->SetZoomState(zsZoomToWidth);
    EXPECT_TRUE(preview->CanScrollVert());
    EXPECT_TRUE(HasStyle(WS_VSCROLL));
    EXPECT_FALSE(HasStyle(WS_HSCROLL));
    // Fitted again to the width left beside the vertical bar.
    EXPECT_EQ(preview->Paper().GetBounds(), (ui::Bounds{0, 0, 383, 540}));
    EXPECT_EQ(preview->Zoom(), 48);
    EXPECT_EQ(preview->VertScrollBar().Range(), 540);
    EXPECT_EQ(preview->Paper().Cursor(), crHandOpen);
    EXPECT_EQ(zoomChanges, 1);

    // Keys scroll within the range; a drag moves the view with the mouse.
    preview->SetFocus();
    {
        testing::HeldKeys ctrl{VK_CONTROL};
        ui::testing::PressKey(preview->Handle(), VK_END);
    }
    EXPECT_EQ(preview->VertScrollBar().Position(), 140);
    EXPECT_EQ(preview->Paper().GetBounds().top, -140);
    ui::testing::PressKey(preview->Handle(), VK_UP);
    EXPECT_EQ(preview->VertScrollBar().Position(), 132);
    Drag(Paper(), {100, 100}, {130, 150});
    EXPECT_EQ(preview->VertScrollBar().Position(), 82);
    EXPECT_EQ(preview->Paper().GetBounds().left, 0) << "no room to move sideways";
    EXPECT_FALSE(preview->IsDragging());

    // A new layout keeps the relative position: 82 of 540 - 400 is 59 %, and 59 % of the
    // new range 681 less the 383 pixels left beside the bars is 176.
    preview->SetBounds({0, 0, 500, 400});
    EXPECT_EQ(preview->Paper().GetBounds(), (ui::Bounds{0, -176, 483, 681}));
    EXPECT_EQ(preview->VertScrollBar().Position(), 176);
}

TEST_F(PagePreviewViewTest, DraggingAFittingPaperDoesNothing) {
    int presses = 0;
    preview->OnMouseDown = [&](TMouseButton, unsigned, int x, int y) {
        ++presses;
        EXPECT_EQ(x, 58 + 10);  // in the preview's coordinates
        EXPECT_EQ(y, 20);
    };
    ::PostMessageA(Paper(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 20));
    Pump(10);
    EXPECT_FALSE(preview->IsDragging());
    EXPECT_EQ(preview->Paper().Cursor(), crDefault);
    EXPECT_EQ(::GetFocus(), preview->Handle());
    ::PostMessageA(Paper(), WM_MOUSEMOVE, MK_LBUTTON, At(60, 90));
    ::PostMessageA(Paper(), WM_LBUTTONUP, 0, At(60, 90));
    Pump(10);
    EXPECT_EQ(preview->Paper().GetBounds(), (ui::Bounds{58, 0, 284, 400}));
    EXPECT_EQ(presses, 1);
}

TEST_F(PagePreviewViewTest, ZoomIsLimitedAndTheSameValueAgainDoesNothing) {
    preview->SetZoom(1000);
    EXPECT_EQ(preview->Zoom(), 500);
    EXPECT_EQ(preview->ZoomState(), zsZoomOther);
    EXPECT_EQ(preview->Paper().PaperWidth(), 3970);
    EXPECT_EQ(zoomChanges, 1);
    preview->SetZoom(1000);
    EXPECT_EQ(zoomChanges, 1);

    preview->SetZoomMax(200);  // pulls the frozen zoom down
    EXPECT_EQ(preview->Zoom(), 200);
    EXPECT_EQ(preview->Paper().PaperWidth(), 1588);
    EXPECT_EQ(zoomChanges, 2);
}

TEST_F(PagePreviewViewTest, AZoomTooLargeForTheBitmapIsUndoneQuietly) {
    preview->SetZoomMax(1000000);
    preview->SetZoom(1000000);
    EXPECT_EQ(preview->Zoom(), 35);
    EXPECT_EQ(preview->ZoomState(), zsZoomToFit);
    EXPECT_EQ(zoomChanges, 0);
    EXPECT_TRUE(preview->Paper().BitmapValid());
    EXPECT_EQ(preview->Paper().GetBounds(), (ui::Bounds{58, 0, 284, 400}));
    EXPECT_EQ(ClientPixel(Paper(), 30, 30), RGB(230, 90, 60));
}

TEST_F(PagePreviewViewTest, AWiderBorderGrowsAZoomedPaperAndShrinksAFittedPage) {
    preview->SetZoom(40);
    EXPECT_EQ(preview->Paper().GetBounds().width, 318 + 5);
    preview->PaperView().SetBorderWidth(4);
    EXPECT_EQ(preview->Paper().BorderSize(), 4);
    EXPECT_EQ(preview->Paper().GetBounds().width, 318 + 11);
    EXPECT_EQ(preview->Paper().PaperWidth(), 318);

    preview->SetZoomState(zsZoomToFit);
    EXPECT_EQ(preview->Paper().GetBounds().height, 400);
    EXPECT_EQ(preview->Paper().PaperHeight(), 389);
}

TEST_F(PagePreviewViewTest, TheAnnotationIsShownOverThePageButNotStored) {
    std::vector<int> annotated;
    preview->OnAnnotation = [&](int pageNo, TCanvas& canvas) {
        annotated.push_back(pageNo);
        canvas.SetBrush({RGB(0, 0, 255), false});
        canvas.SetPen({RGB(0, 0, 255), 1});
        canvas.Rectangle(10000, 20000, 15000, 25000);  // 100 to 150 mm across
    };
    const POINT inside{1 + 279 * 125 / 210, 1 + 395 * 225 / 297};
    EXPECT_EQ(ClientPixel(Paper(), inside.x, inside.y), RGB(255, 255, 255));
    preview->SetAnnotation(true);
    EXPECT_EQ(ClientPixel(Paper(), inside.x, inside.y), RGB(0, 0, 255));
    preview->SetCurrentPage(2);
    EXPECT_EQ(annotated, (std::vector<int>{1, 2}));
    EXPECT_EQ(ClientPixel(Paper(), inside.x, inside.y), RGB(0, 0, 255));

    // The stored page has no overlay.
    ui::WindowDc screen(nullptr);
    UniqueMemoryDc dc(::CreateCompatibleDC(screen.dc()));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.dc(), 279, 395));
    SelectedObject selected(dc.get(), bitmap.get());
    const RECT page{0, 0, 279, 395};
    ui::FillSolid(dc.get(), page, RGB(255, 255, 255));
    ::PlayEnhMetaFile(dc.get(), preview->Pages(2)->Handle(), &page);
    EXPECT_EQ(::GetPixel(dc.get(), inside.x - 1, inside.y - 1), RGB(255, 255, 255));
}

TEST(PreviewCursorsTest, TheHandsAre32PixelMonochromeCursorsHeldByTheirCentre) {
    for (const auto& [name, number] :
         {std::pair{"CURSOR_HAND", crHandOpen}, {"CURSOR_GRAB", crHandGrab}}) {
        HCURSOR cursor = ::LoadCursorA(::GetModuleHandleA(nullptr), name);
        ASSERT_NE(cursor, nullptr) << name;
        EXPECT_EQ(ScreenCursor(number), cursor);
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(cursor, &info));
        UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, 15u);
        EXPECT_EQ(info.yHotspot, 15u);
        EXPECT_EQ(info.hbmColor, nullptr) << "monochrome: the mask holds both images";
        BITMAP bits{};
        ::GetObjectA(info.hbmMask, sizeof bits, &bits);
        EXPECT_EQ(bits.bmWidth, 32);
        EXPECT_EQ(bits.bmHeight, 64);
    }
    EXPECT_NE(ScreenCursor(crHandOpen), ScreenCursor(crHandGrab));
    EXPECT_EQ(ScreenCursor(crDefault), ::LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace
}  // namespace natalo
