// The paper settings exchanged with a printer, as plain data.
#include "preview/printer_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace natalo {
namespace {

using DM = DeviceModeFields;

DeviceModeFields PrinterMode(std::uint32_t fields, std::int16_t paper, std::int16_t width = 0,
                             std::int16_t length = 0, std::int16_t orientation = DM::kPortrait) {
    DeviceModeFields mode;
    mode.fields = fields;
    mode.paperSize = paper;
    mode.paperWidth = width;
    mode.paperLength = length;
    mode.orientation = orientation;
    return mode;
}

TEST(AdoptDeviceMode, TakesTheTypeFromThePaperCodeOrTheSizeForUnknownCodes) {
    PaperModel paper(96);
    paper.SetPaperType(pLetter);
    AdoptDeviceMode(
        paper, PrinterMode(DM::kPaperSize | DM::kPaperWidth | DM::kPaperLength, 9, 1234, 2345));
    EXPECT_EQ(paper.PaperType(), pA4);
    EXPECT_EQ(paper.PaperWidth(), 21000);

    AdoptDeviceMode(paper, PrinterMode(DM::kPaperSize, 70, 1000, 1500));
    EXPECT_EQ(paper.PaperType(), pCustom);
    EXPECT_EQ(paper.PaperWidth(), 10000);
    EXPECT_EQ(paper.PaperHeight(), 15000);

    // Without a paper code the size decides; a size of the table gives its type.
    AdoptDeviceMode(paper, PrinterMode(DM::kOrientation, 9, 2159, 2794));
    EXPECT_EQ(paper.PaperType(), pLetter);
    EXPECT_EQ(paper.PaperHeight(), 27940);
}

TEST(AdoptDeviceMode, LandscapeTurnsThePaperAndExchangesACustomSize) {
    PaperModel paper(96);
    AdoptDeviceMode(paper,
                    PrinterMode(DM::kOrientation | DM::kPaperSize, 70, 1000, 1500, DM::kLandscape));
    EXPECT_EQ(paper.Orientation(), poLandscape);
    EXPECT_EQ(paper.PaperType(), pCustom);
    EXPECT_EQ(paper.PaperWidth(), 15000);
    EXPECT_EQ(paper.PaperHeight(), 10000);

    // Other orientation values are ignored; without the field nothing turns.
    AdoptDeviceMode(paper, PrinterMode(DM::kOrientation | DM::kPaperSize, 9, 0, 0, 3));
    EXPECT_EQ(paper.Orientation(), poLandscape);
    EXPECT_EQ(paper.PaperWidth(), 29700);
    AdoptDeviceMode(paper, PrinterMode(DM::kPaperSize, 9, 0, 0, DM::kPortrait));
    EXPECT_EQ(paper.Orientation(), poLandscape);
}

TEST(AdoptDeviceMode, FormNameIsTakenEvenWhileThePaperIsLocked) {
    PaperModel paper(96);
    paper.SetLocked(true);
    DeviceModeFields mode =
        PrinterMode(DM::kPaperSize | DM::kFormName | DM::kOrientation, 1, 0, 0, DM::kLandscape);
    mode.formName = std::string("Letter\0junk", 11);
    AdoptDeviceMode(paper, mode);
    EXPECT_EQ(paper.PaperType(), pA4);
    EXPECT_EQ(paper.Orientation(), poPortrait);
    EXPECT_EQ(paper.FormName(), "Letter");
}

TEST(DeviceModeForPaper, OnNtOnlyTheFormNameNamesThePaper) {
    PaperModel paper(96);
    paper.SetOrientation(poLandscape);
    DeviceModeFields before =
        PrinterMode(DM::kPaperSize | DM::kPaperWidth | DM::kPaperLength | 0x100, 1, 1, 2);
    const DeviceModeFields edited = DeviceModeForPaper(before, paper, "A4", true);
    EXPECT_EQ(edited.fields, DM::kFormName | DM::kOrientation | 0x100u);
    EXPECT_EQ(edited.formName, "A4");
    EXPECT_EQ(edited.orientation, DM::kLandscape);

    const DeviceModeFields old = DeviceModeForPaper(before, paper, "A4", false);
    EXPECT_EQ(old.fields, DM::kFormName | DM::kPaperSize | DM::kOrientation | 0x100u);
    EXPECT_EQ(old.paperSize, 9);
}

TEST(DeviceModeForPaper, WithoutAFormACustomPaperGoesInAsAUserSizeInPortrait) {
    PaperModel paper(96);
    paper.SetPaperSize(15000, 10000);
    paper.SetOrientation(poLandscape);  // now 10000 x 15000, a portrait 150 x 100 mm
    const DeviceModeFields edited =
        DeviceModeForPaper(PrinterMode(DM::kFormName, 9), paper, "", true);
    EXPECT_EQ(edited.fields,
              DM::kPaperSize | DM::kPaperWidth | DM::kPaperLength | DM::kOrientation);
    EXPECT_EQ(edited.paperSize, DM::kUserPaper);
    EXPECT_EQ(edited.paperWidth, 1500);
    EXPECT_EQ(edited.paperLength, 1000);
    EXPECT_EQ(edited.orientation, DM::kLandscape);

    // A pixel-sized paper beyond 16 bits in 0.1 mm stays at the longest length.
    PaperModel huge(96);
    huge.SetUnits(mmPixel);
    huge.SetPaperSize(32767, 100);
    EXPECT_EQ(DeviceModeForPaper({}, huge, "", true).paperWidth, 32767);
}

TEST(PrinterForms, TheFirstFormOfThePapersSizeInTenthsOfAMillimetreMatches) {
    const std::vector<PrinterForm> forms{{"Letter", 215900, 279400},
                                         {"A4 almost", 209999, 297000},
                                         {"A4", 210000, 297099},
                                         {"A4 Small", 210000, 297000}};
    PaperModel paper(96);
    paper.SetOrientation(poLandscape);
    EXPECT_EQ(MatchingFormName(forms, paper), "A4");
    paper.SetPaperSize(10000, 15000);
    EXPECT_EQ(MatchingFormName(forms, paper), std::nullopt);
}

TEST(PrinterForms, TheAutomaticFormOfACustomPaperIsNamedInWholeMillimetres) {
    PaperModel paper(96);
    paper.SetPaperSize(10000, 15000);
    EXPECT_EQ(AutomaticForm(paper), (PrinterForm{"100mm x 150mm", 100000, 150000}));
    paper.SetOrientation(poLandscape);
    EXPECT_EQ(AutomaticForm(paper), (PrinterForm{"100mm x 150mm", 100000, 150000}));
    paper.SetUnits(mmLoEnglish);  // 3.94 x 5.91 inches
    paper.SetPaperSize(591, 394);
    EXPECT_EQ(AutomaticForm(paper), (PrinterForm{"100mm x 150mm", 100080, 150110}));
    EXPECT_TRUE(SameFormName("100MM X 150mm", "100mm x 150mm"));
    EXPECT_FALSE(SameFormName("100mm x 150m", "100mm x 150mm"));
}

}  // namespace
}  // namespace natalo
