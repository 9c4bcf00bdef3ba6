// Recording a document with the print preview: pages, events, the paper while recording,
// aborting, and where drawn text lands on the page.
#include "preview/page_preview.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "fake_print_spooler.h"
#include "platform/win32_handle.h"
#include "preview/page_bitmap.h"
#include "preview_test_support.h"

namespace natalo {
namespace {

using testing::FakePrintSpooler;
using testing::RecordingPreview;

class PagePreviewTest : public testing::PreviewTest {
  protected:
    void SetUp() override {
        PreviewTest::SetUp();
        preview = std::make_unique<RecordingPreview>(*form, printer);
        preview->RegisterThumbnailView(*preview);
        preview->RegisterThumbnailView(*preview);  // registered once only
        for (auto* event : {&preview->OnBeginDoc, &preview->OnEndDoc, &preview->OnNewPage,
                            &preview->OnEndPage, &preview->OnAbort, &preview->OnChange}) {
            const std::string name = event == &preview->OnBeginDoc  ? "BeginDoc"
                                     : event == &preview->OnEndDoc  ? "EndDoc"
                                     : event == &preview->OnNewPage ? "NewPage"
                                     : event == &preview->OnEndPage ? "EndPage"
                                     : event == &preview->OnAbort   ? "Abort"
                                                                    : "Change";
            *event = [this, name] { ++events[name]; };
        }
    }
    void TearDown() override {
        preview.reset();
        PreviewTest::TearDown();
    }

    FakePrintSpooler spooler;
    TPrinter printer{spooler};
    std::unique_ptr<RecordingPreview> preview;
    std::map<std::string, int> events;
};

TEST_F(PagePreviewTest, ANewPreviewHasTheDefaults) {
    EXPECT_NE(preview->Handle(), nullptr);
    EXPECT_EQ(testing::ClassNameOf(preview->Handle()), "NataloPagePreview");
    EXPECT_EQ(preview->Units(), mmHiMetric);
    EXPECT_EQ(preview->PaperType(), pA4);
    EXPECT_EQ(preview->PaperWidth(), 21000);
    EXPECT_EQ(preview->PaperHeight(), 29700);
    EXPECT_EQ(preview->Orientation(), poPortrait);
    EXPECT_EQ(preview->PageExtent(), (PaperSize{794, 1123}));
    EXPECT_EQ(preview->PrintJobTitle(), "");
    EXPECT_FALSE(preview->UsePrinterOptions());
    EXPECT_FALSE(preview->DirectPrint());
    EXPECT_TRUE(preview->FastPrint());
    EXPECT_FALSE(preview->UseTempFile());
    EXPECT_FALSE(preview->Annotation());
    EXPECT_EQ(preview->PageFont().Name, "Arial");
    EXPECT_EQ(preview->PageFont().Size, 8);
    EXPECT_EQ(preview->State(), psReady);
    EXPECT_EQ(preview->TotalPages(), 0);
    EXPECT_EQ(preview->CurrentPage(), 0);
    EXPECT_EQ(preview->Pages(1), nullptr);
}

TEST_F(PagePreviewTest, BeginDocThreeNewPagesAndEndDocGiveFourPages) {
    int pagesWhenSecondPageOpened = -1;
    int currentPageThen = -1;
    preview->OnNewPage = [&] {
        if (++events["NewPage"] == 2) {
            pagesWhenSecondPageOpened = preview->TotalPages();
            currentPageThen = preview->CurrentPage();
        }
    };
    preview->BeginDoc();
    EXPECT_EQ(preview->State(), psCreating);
    preview->BeginDoc();  // a second one does nothing
    for (int i = 0; i < 3; ++i) {
        preview->Canvas().TextOut(1500, 1000, "Page " + std::to_string(i + 1));
        preview->NewPage();
    }
    preview->EndDoc();
    EXPECT_EQ(preview->State(), psReady);
    EXPECT_EQ(preview->TotalPages(), 4);
    EXPECT_EQ(events["BeginDoc"], 1);
    EXPECT_EQ(events["NewPage"], 4);
    EXPECT_EQ(events["EndPage"], 4);
    EXPECT_EQ(events["EndDoc"], 1);
    EXPECT_EQ(events["Change"], 5);  // the store cleared by BeginDoc, then four pages
    // The first page was on screen as soon as it was stored.
    EXPECT_EQ(pagesWhenSecondPageOpened, 1);
    EXPECT_EQ(currentPageThen, 1);
    EXPECT_EQ(preview->Count("show"), 1);
    EXPECT_EQ(preview->Count("thumbnails"), 5);
    EXPECT_EQ(preview->CurrentPage(), 1);
    ASSERT_NE(preview->Pages(4), nullptr);
    EXPECT_EQ(preview->Pages(4)->Width(), 794);
    EXPECT_EQ(preview->Pages(5), nullptr);
    EXPECT_EQ(preview->Pages(0), nullptr);

    preview->EndDoc();  // without a document: nothing
    EXPECT_EQ(events["EndDoc"], 1);
    preview->SetCurrentPage(9);
    EXPECT_EQ(preview->CurrentPage(), 4);
    EXPECT_EQ(preview->Count("marker"), 1);

    // A new document starts from an empty store and shows its first page again.
    preview->calls.clear();
    preview->BeginDoc();
    EXPECT_EQ(preview->TotalPages(), 0);
    EXPECT_EQ(preview->CurrentPage(), 0);
    preview->EndDoc();
    EXPECT_EQ(preview->TotalPages(), 1);
    EXPECT_EQ(preview->calls,
              (std::vector<std::string>{"hide", "annotation 0", "repaint", "thumbnails", "zoom",
                                        "show", "annotation 1", "repaint", "thumbnails"}));
}

TEST_F(PagePreviewTest, PaperSettersAreRefusedWhileRecording) {
    preview->BeginDoc();
    preview->SetPaperType(pLetter);
    preview->SetPaperWidth(10000);
    preview->SetOrientation(poLandscape);
    EXPECT_EQ(preview->PaperType(), pA4);
    EXPECT_EQ(preview->PaperWidth(), 21000);
    EXPECT_EQ(preview->Orientation(), poPortrait);
    // Units are not refused: the page under way is scaled to the new unit.
    preview->SetUnits(mmLoMetric);
    EXPECT_EQ(preview->PaperWidth(), 2100);
    preview->Canvas().TextOut(150, 100, "x");
    EXPECT_EQ(preview->Canvas().Font().PixelsPerInch, 254);
    preview->EndDoc();

    preview->SetOrientation(poLandscape);
    EXPECT_EQ(preview->PaperWidth(), 2970);
    EXPECT_EQ(preview->PageExtent(), (PaperSize{1123, 794}));
}

TEST_F(PagePreviewTest, AbortWhileRecordingLeavesNoPage) {
    preview->BeginDoc();
    preview->NewPage();
    preview->NewPage();
    ASSERT_EQ(preview->TotalPages(), 2);
    preview->Abort();
    preview->Abort();
    EXPECT_TRUE(preview->Aborted());
    EXPECT_EQ(events["Abort"], 1);
    EXPECT_EQ(preview->TotalPages(), 0);
    EXPECT_EQ(preview->CurrentPage(), 0);
    EXPECT_EQ(preview->State(), psCreating);
    preview->EndDoc();
    EXPECT_EQ(preview->State(), psReady);
    EXPECT_EQ(preview->TotalPages(), 0);

    // Recording on after an abort starts a new first page.
    preview->BeginDoc();
    EXPECT_FALSE(preview->Aborted());
    preview->Abort();
    preview->NewPage();
    preview->EndDoc();
    EXPECT_EQ(preview->TotalPages(), 1);
}

TEST_F(PagePreviewTest, PagesComeFromAStoreInATemporaryFileToo) {
    preview->SetUseTempFile(true);
    preview->BeginDoc();
    preview->NewPage();
    preview->EndDoc();
    const std::string file = preview->PageStore().TempFileName();
    EXPECT_NE(file, "");
    ASSERT_NE(preview->Pages(2), nullptr);
    preview->Clear();
    EXPECT_EQ(::GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(preview->TotalPages(), 0);
}

// The first pixel of `colour` from the top and from the left of a bitmap.
POINT FirstPixelOf(HDC dc, int width, int height, COLORREF colour) {
    POINT found{-1, -1};
    for (int y = 0; y < height && found.y < 0; ++y) {
        for (int x = 0; x < width; ++x) {
            if (::GetPixel(dc, x, y) == colour) {
                found.y = y;
                break;
            }
        }
    }
    for (int x = 0; x < width && found.x < 0; ++x) {
        for (int y = 0; y < height; ++y) {
            if (::GetPixel(dc, x, y) == colour) {
                found.x = x;
                break;
            }
        }
    }
    return found;
}

TEST_F(PagePreviewTest, TextAtFifteenByTenMillimetresLandsThereOnThePage) {
    constexpr COLORREF kCell = RGB(255, 0, 0);
    preview->BeginDoc();
    TCanvas& canvas = preview->Canvas();
    canvas.SetBrush({kCell, false});  // the text cell is filled from its top-left corner
    TFont font = canvas.Font();
    font.Size = 12;
    canvas.SetFont(font);
    canvas.TextOut(1500, 1000, "Natalo");
    preview->EndDoc();

    // Played at twice the size of the paper on screen: 2 x 96 pixels per inch.
    const int width = 2 * 794;
    const int height = 2 * 1123;
    HDC screen = ::GetDC(nullptr);
    UniqueMemoryDc dc(::CreateCompatibleDC(screen));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, width, height));
    ::ReleaseDC(nullptr, screen);
    SelectedObject selected(dc.get(), bitmap.get());
    const RECT page{0, 0, width, height};
    ::FillRect(dc.get(), &page, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::PlayEnhMetaFile(dc.get(), preview->Pages(1)->Handle(), &page);

    const POINT corner = FirstPixelOf(dc.get(), width, height, kCell);
    const double pixelsPerMm = 2 * 96 / 25.4;
    EXPECT_NEAR(corner.x / pixelsPerMm, 15.0, 0.25);
    EXPECT_NEAR(corner.y / pixelsPerMm, 10.0, 0.25);
    // A 12-point cell is about 12/72 inch high (Arial's ascent and descent: 1.15 em).
    int bottom = corner.y;
    while (bottom < height && ::GetPixel(dc.get(), corner.x, bottom) == kCell)
        ++bottom;
    EXPECT_NEAR((bottom - corner.y) / pixelsPerMm, 12 / 72.0 * 25.4 * 1.15, 0.4);
}

TEST_F(PagePreviewTest, PagesWithBitmapTransfersAreRecognised) {
    preview->BeginDoc();
    preview->Canvas().TextOut(1000, 1000, "text only");
    preview->NewPage();
    {
        HDC page = preview->Canvas().Handle();
        UniqueMemoryDc source(::CreateCompatibleDC(page));
        UniqueBitmap picture(::CreateCompatibleBitmap(page, 16, 16));
        SelectedObject selected(source.get(), picture.get());
        ::BitBlt(page, 100, 100, 1600, 1600, source.get(), 0, 0, SRCCOPY);
    }
    preview->EndDoc();
    EXPECT_FALSE(ContainsBitmapTransfer(preview->Pages(1)->Handle()));
    EXPECT_TRUE(ContainsBitmapTransfer(preview->Pages(2)->Handle()));
}

}  // namespace
}  // namespace natalo
