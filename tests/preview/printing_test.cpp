// Printing for real: the preview's pages through Wine's PostScript driver into CUPS PDF
// queues of the run's own (tests/preview/with-pdf-printers), read back with poppler.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>

#include "preview/page_preview.h"
#include "preview/preview_errors.h"
#include "preview/win32_print_spooler.h"
#include "preview_test_support.h"
#include "win32/pdf_output.h"

namespace natalo {
namespace {

using testing::PdfWord;
using testing::RecordingPreview;

class PrintingTest : public testing::PreviewTest {
  protected:
    void SetUp() override {
        PreviewTest::SetUp();
        if (testing::PdfFolder().empty())
            GTEST_SKIP() << "no PDF queues: run through tests/preview/with-pdf-printers";
        preview = std::make_unique<RecordingPreview>(*form, printer);
        static int job = 0;
        title = "natalo-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++job);
        preview->SetPrintJobTitle(title);
        preview->OnAfterPrint = [this] { ++afterPrint; };
    }
    void TearDown() override {
        preview.reset();
        PreviewTest::TearDown();
    }

    void SelectPrinter(const char* variable) {
        ASSERT_TRUE(testing::SelectTestPrinter(printer, variable));
    }

    // Pages with "PageN" at (15 mm, 10 mm) and "RightN" at (105 mm, 200 mm).
    void Record(int pages) {
        preview->BeginDoc();
        for (int page = 1; page <= pages; ++page) {
            if (page > 1)
                preview->NewPage();
            preview->Canvas().TextOut(1500, 1000, "Page" + std::to_string(page));
            preview->Canvas().TextOut(10500, 20000, "Right" + std::to_string(page));
        }
        preview->EndDoc();
    }

    std::string WaitForPdf() {
        auto pdf = testing::WaitForPdf(title);
        EXPECT_TRUE(pdf) << "no PDF named " << title << "* in " << testing::PdfFolder();
        return pdf.value_or("");
    }

    static const PdfWord* Find(const std::vector<PdfWord>& words, const std::string& text) {
        return testing::FindWord(words, text);
    }
    // The word's cell starts at (x, y) in 0.01 mm, in the page font (Arial, 8 points).
    static void ExpectAt(const PdfWord* word, int x, int y) {
        ASSERT_NE(word, nullptr);
        EXPECT_TRUE(testing::PrintedAt(word, word->page, x, y));
    }

    Win32PrintSpooler spooler;
    TPrinter printer{spooler};
    std::unique_ptr<RecordingPreview> preview;
    std::string title;
    int afterPrint = 0;
};

// Three pages on the A4 queue and on the Letter queue, each with its texts where they were
// drawn and the paper of its queue.
TEST_F(PrintingTest, ThreePagesPrintOnThePaperOfTheQueueWithTheTextWhereItWasDrawn) {
    const struct {
        const char* queue;
        TPaperType paper;
        double width, height;  // points
    } queues[] = {{"NATALO_TEST_PRINTER_A4", pA4, 595.3, 841.9},
                  {"NATALO_TEST_PRINTER_LETTER", pLetter, 612, 792}};
    const std::string test = title;
    for (const auto& q : queues) {
        SCOPED_TRACE(q.queue);
        SelectPrinter(q.queue);
        preview->GetPrinterOptions();
        EXPECT_EQ(preview->PaperType(), q.paper);
        title = test + "-" + q.queue;
        preview->SetPrintJobTitle(title);
        Record(3);
        preview->Print();
        EXPECT_EQ(preview->State(), psReady);
        EXPECT_FALSE(preview->Aborted());
        EXPECT_EQ(printer.Title(), "");
        const std::string pdf = WaitForPdf();
        const testing::PdfInfo info = testing::ReadPdfInfo(pdf);
        EXPECT_EQ(info.pages, 3);
        EXPECT_NEAR(info.width, q.width, 1);
        EXPECT_NEAR(info.height, q.height, 1);
        const std::vector<PdfWord> words = testing::ReadPdfWords(pdf);
        for (int page = 1; page <= 3; ++page) {
            EXPECT_TRUE(
                testing::PrintedAt(Find(words, "Page" + std::to_string(page)), page, 1500, 1000));
            EXPECT_TRUE(testing::PrintedAt(Find(words, "Right" + std::to_string(page)), page, 10500,
                                           20000));
        }
    }
    EXPECT_EQ(afterPrint, 2);
}

TEST_F(PrintingTest, PagesTwoToThreeOfFivePrintTwoPagesWithProgress) {
    SelectPrinter("NATALO_TEST_PRINTER_A4");
    std::vector<std::pair<int, int>> progress;
    preview->OnPrintProgress = [&](int pageNo, int percent, bool&) {
        progress.emplace_back(pageNo, percent);
    };
    Record(5);
    preview->PrintPages(2, 3);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{2, 0}, {2, 50}, {3, 50}, {3, 100}}));
    const std::string pdf = WaitForPdf();
    EXPECT_EQ(testing::ReadPdfInfo(pdf).pages, 2);
    const std::vector<PdfWord> words = testing::ReadPdfWords(pdf);
    ASSERT_NE(Find(words, "Page2"), nullptr);
    EXPECT_EQ(Find(words, "Page2")->page, 1);
    ASSERT_NE(Find(words, "Page3"), nullptr);
    EXPECT_EQ(Find(words, "Page3")->page, 2);
    EXPECT_EQ(Find(words, "Page1"), nullptr);
}

TEST_F(PrintingTest, AnAbortOnTheFirstProgressPrintsNothing) {
    SelectPrinter("NATALO_TEST_PRINTER_A4");
    int calls = 0;
    preview->OnPrintProgress = [&](int, int, bool& abortIt) {
        ++calls;
        abortIt = true;
    };
    int aborts = 0;
    preview->OnAbort = [&] { ++aborts; };
    Record(2);
    preview->Print();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(aborts, 1);
    EXPECT_TRUE(preview->Aborted());
    EXPECT_EQ(preview->State(), psReady);
    EXPECT_EQ(afterPrint, 1);
    EXPECT_FALSE(printer.Printing());

    // The queue works in order: once a later job is out, the aborted one would be too.
    const std::string aborted = title;
    title = "later-" + title;
    preview->SetPrintJobTitle(title);
    preview->OnPrintProgress = nullptr;
    preview->Print();
    WaitForPdf();
    ASSERT_TRUE(testing::PdfExists(title)) << "the later job, under its title";
    EXPECT_FALSE(testing::PdfExists(aborted)) << "the aborted job was printed";
}

TEST_F(PrintingTest, APrinterErrorInTheMiddleEndsTheJobAndLeavesThePreviewReady) {
    SelectPrinter("NATALO_TEST_PRINTER_A4");
    preview->OnPrintProgress = [&](int pageNo, int percent, bool&) {
        if (pageNo == 2 && percent > 34)  // page 2 is drawn
            ::EndDoc(printer.Handle());   // the job ends behind the preview's back
    };
    Record(3);
    EXPECT_THROW(preview->Print(), EPrinter);
    EXPECT_EQ(preview->State(), psReady);
    EXPECT_TRUE(preview->Aborted());
    EXPECT_EQ(afterPrint, 1);
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.Title(), "");

    // The next job prints.
    preview->OnPrintProgress = nullptr;
    title += "-again";
    preview->SetPrintJobTitle(title);
    preview->Print();
    EXPECT_EQ(testing::ReadPdfInfo(WaitForPdf()).pages, 3);
}

TEST_F(PrintingTest, DirectPrintingSendsThePagesStraightToThePrinter) {
    SelectPrinter("NATALO_TEST_PRINTER_A4");
    preview->SetDirectPrint(true);
    int changes = 0;
    preview->OnChange = [&] { ++changes; };
    preview->BeginDoc();
    EXPECT_EQ(preview->State(), psPrinting);
    preview->Canvas().TextOut(1500, 1000, "Direct1");
    preview->NewPage();
    EXPECT_EQ(preview->TotalPages(), 1);
    preview->Canvas().TextOut(10500, 20000, "Direct2");
    preview->EndDoc();
    EXPECT_EQ(preview->State(), psReady);
    EXPECT_EQ(preview->TotalPages(), 0);  // nothing was recorded
    EXPECT_EQ(changes, 0);
    const std::string pdf = WaitForPdf();
    EXPECT_EQ(testing::ReadPdfInfo(pdf).pages, 2);
    const std::vector<PdfWord> words = testing::ReadPdfWords(pdf);
    ExpectAt(Find(words, "Direct1"), 1500, 1000);
    ExpectAt(Find(words, "Direct2"), 10500, 20000);
}

TEST_F(PrintingTest, WithoutFastPrintBitmapPagesGoOutAsOnePicture) {
    SelectPrinter("NATALO_TEST_PRINTER_A4");
    preview->SetFastPrint(false);
    preview->BeginDoc();
    preview->Canvas().TextOut(1500, 1000, "Vector");
    preview->NewPage();
    {
        HDC page = preview->Canvas().Handle();
        UniqueMemoryDc source(::CreateCompatibleDC(page));
        UniqueBitmap picture(::CreateCompatibleBitmap(page, 8, 8));
        SelectedObject selected(source.get(), picture.get());
        ::BitBlt(page, 5000, 5000, 2000, 2000, source.get(), 0, 0, BLACKNESS);
    }
    preview->EndDoc();
    preview->Print();
    const std::string pdf = WaitForPdf();
    ExpectAt(Find(testing::ReadPdfWords(pdf), "Vector"), 1500, 1000);
    const std::vector<testing::PdfImage> images = testing::ReadPdfImages(pdf);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].page, 2);
    EXPECT_EQ(images[0].width, 794);  // the page's own size on screen
    EXPECT_EQ(images[0].height, 1123);
}

}  // namespace
}  // namespace natalo
