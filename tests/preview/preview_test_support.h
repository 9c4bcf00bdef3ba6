// A print preview on a form for the tests, with the view calls it makes recorded.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "preview/page_preview.h"
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

}  // namespace natalo::testing
