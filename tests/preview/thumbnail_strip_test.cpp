// The thumbnail strip as real windows: its defaults, the cells in rows or columns that
// wrap, the keys, clicks on paper and label, the marker, clearing, a preview that goes
// away, and a long document that keeps windows only near the view.
#include "preview/thumbnail_strip.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "preview_test_support.h"

namespace natalo {
namespace {

using ui::testing::Click;
using ui::testing::ClientPixel;
using ui::testing::PressKey;

int ChildWindows(HWND parent) {
    int count = 0;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}

class ThumbnailStripTest : public testing::PreviewTest {
  protected:
    void SetUp() override {
        PreviewTest::SetUp();
        form->SetClientSize(900, 700);
        form->Show();
        preview = std::make_unique<TPagePreview>(*form, ui::Bounds{0, 0, 300, 400}, printer);
    }
    void TearDown() override {
        strip.reset();
        preview.reset();
        PreviewTest::TearDown();
    }
    TThumbnailStrip& MakeStrip(const ui::Bounds& bounds, int pages) {
        strip = std::make_unique<TThumbnailStrip>(*form, bounds);
        strip->SetPagePreview(preview.get());
        strip->OnChange = [this] { ++changes; };
        testing::RecordPages(*preview, pages);
        changes = 0;
        strip->SetFocus();
        return *strip;
    }
    ui::Bounds PaperOf(int index) { return strip->Thumbnails(index).Paper()->GetBounds(); }

    testing::FakePrintSpooler spooler;
    TPrinter printer{spooler};
    std::unique_ptr<TPagePreview> preview;
    std::unique_ptr<TThumbnailStrip> strip;
    int changes = 0;
};

TEST_F(ThumbnailStripTest, ANewStripHasTheDefaultsAndAThumbnailPerPage) {
    strip = std::make_unique<TThumbnailStrip>(*form, ui::Bounds{400, 0, 147, 570});
    EXPECT_EQ(strip->PagePreview(), nullptr);
    EXPECT_EQ(strip->Zoom(), 10);
    EXPECT_EQ(strip->Margin(), 6);
    EXPECT_EQ(strip->MarkerColor(), clBlue);
    EXPECT_EQ(strip->Orientation(), sbVertical);
    EXPECT_TRUE(strip->TabStop());
    EXPECT_EQ(strip->PaperView().ShadowWidth(), 3);

    strip->SetPagePreview(preview.get());
    EXPECT_EQ(strip->ThumbnailCount(), 0);
    testing::RecordPages(*preview, 3);
    ASSERT_EQ(strip->ThumbnailCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const TThumbnail& thumbnail = strip->Thumbnails(i);
        EXPECT_EQ(thumbnail.PageNo(), i + 1);
        ASSERT_NE(thumbnail.Paper(), nullptr);
        EXPECT_EQ(::GetParent(thumbnail.Paper()->Handle()), strip->Handle());
        EXPECT_EQ(::GetParent(thumbnail.Label()->Handle()), strip->Handle());
        EXPECT_EQ(thumbnail.Paper()->Tag(), i + 1);
        EXPECT_EQ(thumbnail.Label()->Tag(), i + 1);
        EXPECT_EQ(thumbnail.Label()->Text(), std::to_string(i + 1));
    }
    // 10 % of A4 with the frame; the number centred 2 pixels below.
    const ui::Bounds paper = strip->Thumbnails(0).Paper()->GetBounds();
    const ui::Bounds label = strip->Thumbnails(0).Label()->GetBounds();
    EXPECT_EQ(paper, (ui::Bounds{6, 6, 84, 117}));
    EXPECT_EQ(label.top, 6 + 117 + 2);
    EXPECT_EQ(label.left, 6 + (84 - label.width) / 2);
    EXPECT_EQ(strip->CurrentThumbnail(), &strip->Thumbnails(0));

    // Every setting lays the thumbnails out again.
    strip->SetMargin(255);
    EXPECT_EQ(strip->Margin(), 255);
    EXPECT_EQ(strip->Thumbnails(0).PaperBounds().left, 255);
    strip->SetZoom(20);
    EXPECT_EQ(strip->Thumbnails(0).PaperBounds().Width(), 159 + 5);
}

TEST_F(ThumbnailStripTest, OneColumnInAClient121WideAndDownGoesToThePageBelow) {
    MakeStrip({400, 0, 121, 600}, 3);
    EXPECT_EQ(strip->CalcThumbnailLayout().cellSize.cx, 84);
    EXPECT_EQ(strip->ColumnsPerRow(), 1);
    EXPECT_EQ(PaperOf(1).left, 6);
    EXPECT_GT(PaperOf(1).top, PaperOf(0).top);
    PressKey(strip->Handle(), VK_DOWN);
    EXPECT_EQ(preview->CurrentPage(), 2);
    EXPECT_EQ(strip->CurrentThumbnail(), &strip->Thumbnails(1));
    EXPECT_EQ(changes, 1);
    {
        testing::HeldKeys ctrl{VK_CONTROL};
        PressKey(strip->Handle(), VK_NEXT);
    }
    EXPECT_EQ(preview->CurrentPage(), 3);
    PressKey(strip->Handle(), VK_DOWN);  // beyond the last page: clamped
    EXPECT_EQ(preview->CurrentPage(), 3);
}

TEST_F(ThumbnailStripTest, AHorizontalStripWrapsAfterTheThirdThumbnailAndRightSkipsAColumn) {
    MakeStrip({300, 0, 500, 500}, 5);
    strip->SetOrientation(sbHorizontal);
    const int cellHeight = strip->CalcThumbnailLayout().cellSize.cy;
    ASSERT_GT(cellHeight, 118);  // so that (500 - 6) div (6 + cell height) is 3
    ASSERT_LT(cellHeight, 159);
    EXPECT_EQ(strip->RowsPerColumn(), 3);
    EXPECT_EQ(PaperOf(2).left, 6);
    EXPECT_EQ(PaperOf(3), (ui::Bounds{6 + 84 + 6, 6, 84, 117}));
    PressKey(strip->Handle(), VK_RIGHT);
    EXPECT_EQ(preview->CurrentPage(), 4);
    PressKey(strip->Handle(), VK_UP);
    EXPECT_EQ(preview->CurrentPage(), 3);
}

TEST_F(ThumbnailStripTest, AScrollBarThatTakesTheRoomOfAColumnLaysTheRowsOutAgain) {
    // 190 pixels hold two columns of 84 without a bar, one beside it.
    MakeStrip({400, 0, 190, 400}, 5);  // the fifth page needs a third row, and the bar
    EXPECT_TRUE(strip->VertScrollBar().IsScrollBarVisible());
    EXPECT_EQ(strip->ColumnsPerRow(), 1);
    EXPECT_EQ(PaperOf(1).left, 6);
    const RECT client = strip->ClientRect();
    EXPECT_LE(PaperOf(0).left + PaperOf(0).width, client.right);
}

TEST_F(ThumbnailStripTest, ClicksOnPaperOrLabelPickThePageAndTheMarkerFollows) {
    MakeStrip({400, 0, 147, 600}, 3);
    const POINT edge{1, 60};  // the left edge of the page area, where the marker runs
    EXPECT_EQ(ClientPixel(strip->Thumbnails(0).Paper()->Handle(), edge.x, edge.y), RGB(0, 0, 255));
    preview->SetFocus();
    Click(strip->Thumbnails(2).Paper()->Handle());
    EXPECT_EQ(preview->CurrentPage(), 3);
    EXPECT_EQ(::GetFocus(), strip->Handle());
    EXPECT_EQ(ClientPixel(strip->Thumbnails(2).Paper()->Handle(), edge.x, edge.y), RGB(0, 0, 255));
    EXPECT_EQ(ClientPixel(strip->Thumbnails(0).Paper()->Handle(), edge.x, edge.y),
              RGB(255, 255, 255));
    Click(strip->Thumbnails(1).Label()->Handle());
    EXPECT_EQ(preview->CurrentPage(), 2);
    EXPECT_EQ(changes, 2);

    strip->SetMarkerColor(0x0000FF);  // red
    EXPECT_EQ(ClientPixel(strip->Thumbnails(1).Paper()->Handle(), edge.x, edge.y), RGB(255, 0, 0));
}

TEST_F(ThumbnailStripTest, ARewrittenPageIsPaintedAgainInItsThumbnail) {
    MakeStrip({400, 0, 147, 600}, 3);
    const HWND paper = strip->Thumbnails(1).Paper()->Handle();
    EXPECT_EQ(ClientPixel(paper, 40, 80), RGB(255, 255, 255));
    TMetafile green(794, 1123);
    {
        TMetafileCanvas canvas(green, nullptr);
        canvas.SetBrush({RGB(0, 128, 0), false});
        canvas.SetPen({RGB(0, 128, 0), 1});
        canvas.Rectangle(0, 0, 794, 1123);
        canvas.Close();
    }
    preview->Pages(2)->Assign(UniqueEnhMetaFile(::CopyEnhMetaFileA(green.Handle(), nullptr)));
    EXPECT_EQ(ClientPixel(paper, 40, 80), RGB(0, 128, 0));
}

TEST_F(ThumbnailStripTest, ClearingThePagesFreesEveryThumbnailQuietly) {
    MakeStrip({400, 0, 147, 600}, 3);
    ASSERT_EQ(ChildWindows(strip->Handle()), 6);
    preview->Clear();
    EXPECT_EQ(strip->ThumbnailCount(), 0);
    EXPECT_EQ(strip->CurrentThumbnail(), nullptr);
    EXPECT_EQ(ChildWindows(strip->Handle()), 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(ThumbnailStripTest, TheStripForgetsAPreviewThatGoesAway) {
    MakeStrip({400, 0, 147, 600}, 2);
    preview.reset();
    EXPECT_EQ(strip->PagePreview(), nullptr);
    EXPECT_EQ(strip->ThumbnailCount(), 0);
}

TEST_F(ThumbnailStripTest, AThousandPagesHaveWindowsOnlyNearTheView) {
    MakeStrip({400, 0, 147, 570}, 1000);
    EXPECT_EQ(strip->ThumbnailCount(), 1000);
    EXPECT_LT(ChildWindows(strip->Handle()), 40);
    EXPECT_EQ(strip->Thumbnails(999).Paper(), nullptr);
    // The range ends at the last number (the scroll bar's own margin is 0).
    EXPECT_EQ(strip->VertScrollBar().Range(), strip->Thumbnails(999).LabelBounds().bottom);

    // To the last page: the strip scrolls there, and it has windows there.
    {
        testing::HeldKeys ctrl{VK_CONTROL};
        PressKey(strip->Handle(), VK_NEXT);
    }
    EXPECT_EQ(preview->CurrentPage(), 1000);
    const TThumbnail& last = strip->Thumbnails(999);
    ASSERT_NE(last.Paper(), nullptr);
    const RECT client = strip->ClientRect();
    const ui::Bounds label = last.Label()->GetBounds();
    EXPECT_EQ(label.top + label.height, client.bottom);
    EXPECT_EQ(strip->Thumbnails(0).Paper(), nullptr);
    EXPECT_LT(ChildWindows(strip->Handle()), 40);

    // The wheel scrolls back by the increment per notch.
    const int position = strip->VertScrollBar().Position();
    testing::TurnWheel(strip->Handle(), testing::ScreenCentre(strip->Handle()), 2 * WHEEL_DELTA);
    EXPECT_EQ(strip->VertScrollBar().Position(), position - 2 * strip->VertScrollBar().Increment());
}

}  // namespace
}  // namespace natalo
