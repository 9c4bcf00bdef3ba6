// Paper settings exchanged with the printer's device mode, and the printer form the
// preview adds itself, against a spooler of the tests' own.
#include <gtest/gtest.h>
#include <windows.h>

#include "fake_print_spooler.h"
#include "preview/page_preview.h"
#include "preview_test_support.h"

namespace natalo {
namespace {

using testing::FakePrintSpooler;
using testing::RecordingPreview;

class PrinterOptionsTest : public testing::PreviewTest {
  protected:
    void SetUp() override {
        PreviewTest::SetUp();
        preview = std::make_unique<RecordingPreview>(*form, printer);
        preview->OnAutoCustomForm = [this](const std::string& name, TOperation operation) {
            formEvents.push_back((operation == opInsert ? "insert " : "remove ") + name);
        };
    }
    void TearDown() override {
        preview.reset();
        PreviewTest::TearDown();
    }
    DeviceModeFields PrinterDeviceMode() {
        DeviceModeLock mode(printer.DeviceMode());
        return ReadDeviceModeFields(*mode.get());
    }

    FakePrintSpooler spooler;
    TPrinter printer{spooler};
    std::unique_ptr<RecordingPreview> preview;
    std::vector<std::string> formEvents;
};

TEST_F(PrinterOptionsTest, GetPrinterOptionsAdoptsThePrintersPaper) {
    spooler.deviceMode.dmFields = DM_PAPERSIZE | DM_ORIENTATION | DM_FORMNAME;
    spooler.deviceMode.dmPaperSize = DMPAPER_LETTER;
    spooler.deviceMode.dmOrientation = DMORIENT_LANDSCAPE;
    std::strcpy(reinterpret_cast<char*>(spooler.deviceMode.dmFormName), "Letter");
    preview->GetPrinterOptions();
    EXPECT_EQ(preview->PaperType(), pLetter);
    EXPECT_EQ(preview->Orientation(), poLandscape);
    EXPECT_EQ(preview->PaperWidth(), 27940);
    EXPECT_EQ(preview->PageExtent(), (PaperSize{1056, 816}));
    EXPECT_EQ(preview->FormName(), "Letter");
    EXPECT_GE(preview->Count("zoom"), 1);
}

TEST_F(PrinterOptionsTest, SetPrinterOptionsNamesTheFormAndReselectsThePrinterWithItsDriverFile) {
    preview->SetOrientation(poLandscape);
    preview->SetPrinterOptions();
    const DeviceModeFields mode = PrinterDeviceMode();
    EXPECT_EQ(mode.fields, static_cast<std::uint32_t>(DM_FORMNAME | DM_ORIENTATION));
    EXPECT_EQ(mode.formName, "A4");
    EXPECT_EQ(mode.orientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(printer.Device(), "Fake Printer");
    EXPECT_EQ(printer.Port(), "FAKE:");
    EXPECT_EQ(printer.Driver(), "fakeps.drv");
    EXPECT_TRUE(spooler.added.empty());
    EXPECT_TRUE(formEvents.empty());
}

TEST_F(PrinterOptionsTest, ACustomPaperGetsItsOwnFormOnceAndLosesItWhenThePreviewGoes) {
    preview->SetPaperSize(10000, 15000);
    preview->SetPrinterOptions();
    ASSERT_EQ(spooler.added.size(), 1u);
    EXPECT_EQ(spooler.added[0], (PrinterForm{"100mm x 150mm", 100000, 150000}));
    EXPECT_EQ(formEvents, std::vector<std::string>{"insert 100mm x 150mm"});
    EXPECT_EQ(preview->AutoFormName(), "100mm x 150mm");
    EXPECT_EQ(PrinterDeviceMode().formName, "100mm x 150mm");

    preview->SetPrinterOptions();
    preview->SetOrientation(poLandscape);  // the form name stays
    preview->SetPrinterOptions();
    EXPECT_EQ(spooler.added.size(), 1u);

    // The same size again finds the form that is already there.
    preview->SetPaperType(pCustom);
    preview->SetPaperSize(15001, 10000);
    preview->SetPaperSize(15000, 10000);
    EXPECT_EQ(preview->FormName(), "100mm x 150mm");
    EXPECT_EQ(spooler.added.size(), 1u);
    EXPECT_TRUE(spooler.deleted.empty());

    preview.reset();
    EXPECT_EQ(spooler.deleted, std::vector<std::string>{"100mm x 150mm"});
    EXPECT_EQ(formEvents.size(), 1u);
}

TEST_F(PrinterOptionsTest, ChoosingAnotherFormDeletesTheAutomaticOneWithAnEvent) {
    preview->SetPaperSize(10000, 15000);
    preview->SetPrinterOptions();
    preview->SetPaperType(pA4);
    EXPECT_EQ(preview->FormName(), "A4");
    EXPECT_EQ(spooler.deleted, std::vector<std::string>{"100mm x 150mm"});
    EXPECT_EQ(formEvents,
              (std::vector<std::string>{"insert 100mm x 150mm", "remove 100mm x 150mm"}));
    EXPECT_EQ(preview->AutoFormName(), "");
    preview.reset();
    EXPECT_EQ(spooler.deleted.size(), 1u);
}

TEST_F(PrinterOptionsTest, WithoutAnyPrinterEveryPrinterOperationDoesNothing) {
    spooler.printers.clear();
    preview->SetPaperSize(10000, 15000);
    EXPECT_FALSE(preview->PrinterInstalled());
    preview->GetPrinterOptions();
    preview->SetPrinterOptions();
    EXPECT_EQ(preview->FormName(), "");
    preview->BeginDoc();
    preview->EndDoc();
    preview->Print();
    EXPECT_EQ(preview->PaperType(), pCustom);
    EXPECT_EQ(preview->State(), psReady);
    EXPECT_TRUE(spooler.added.empty());

    // Direct printing has nowhere to go.
    preview->SetDirectPrint(true);
    preview->BeginDoc();
    EXPECT_EQ(preview->State(), psReady);
}

}  // namespace
}  // namespace natalo
