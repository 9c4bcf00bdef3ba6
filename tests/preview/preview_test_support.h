// A print preview on a form for the tests, with the view calls it makes recorded; a shown
// preview with its thumbnail strip, recorded pages and input as a user gives it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fake_print_spooler.h"
#include "preview/page_preview.h"
#include "preview/thumbnail_strip.h"
#include "ui/ui_test_support.h"

namespace natalo::testing {

// Logs the calls the preview makes into its view and its thumbnail strips.
class RecordingPreview : public TPagePreview, public PreviewThumbnailView {
  public:
    RecordingPreview(ui::Window& parent, TPrinter& printer)
        : TPagePreview(parent, {0, 0, 300, 400}, printer) {}

    std::vector<std::string> calls;

    void UpdateZoom() override { calls.push_back("zoom"); }
    void UpdateThumbnails(bool rebuild) override {
        calls.push_back(rebuild ? "thumbnails" : "marker");
    }
    void RepaintThumbnail(int index) override {
        calls.push_back("thumbnail " + std::to_string(index));
    }
    void PagePreviewDestroyed(TPagePreview&) override {}

    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }

    using TPagePreview::CreatePage;
    using TPagePreview::FinishPage;

  protected:
    void UpdateAnnotation(int pageNo) override {
        calls.push_back("annotation " + std::to_string(pageNo));
    }
    void ShowPaper(bool visible) override { calls.push_back(visible ? "show" : "hide"); }
    void RepaintPaper() override { calls.push_back("repaint"); }
};

class PreviewTest : public ui::testing::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        form = std::make_unique<ui::testing::TestForm>();
    }
    void TearDown() override {
        form.reset();
        UiTest::TearDown();
    }
    std::unique_ptr<ui::testing::TestForm> form;
};

// Records pages, each with its number in large letters over a coloured band, so that the
// pages tell apart on screen.
void RecordPages(TPagePreview& preview, int count);

// Holds modifier keys (VK_SHIFT, VK_CONTROL...) in the thread's keyboard state, which the
// components read with GetKeyState, for the scope's length.
class HeldKeys {
  public:
    explicit HeldKeys(std::initializer_list<int> keys);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

  private:
    BYTE saved_[256] = {};
};

// Posts a wheel turn as Windows delivers it (to the focus window, the cursor's screen
// position in lParam) and handles it through the application's loop.
void TurnWheel(HWND window, POINT screen, int delta, unsigned keyState = 0);

// The middle of a window on screen.
POINT ScreenCentre(HWND window);

// A preview of 353 × 521 and a thumbnail strip of 147 × 570 bound to it, side by side on a
// shown form, as the print window places them.
class PreviewWindowTest : public ui::testing::UiTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    FakePrintSpooler spooler;
    TPrinter printer{spooler};
    std::unique_ptr<ui::testing::TestForm> form;
    std::unique_ptr<TPagePreview> preview;
    std::unique_ptr<TThumbnailStrip> strip;
};

}  // namespace natalo::testing
