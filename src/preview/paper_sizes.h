// The paper types of the print preview and the table of their sizes, one row per type in
// the order of the enumeration. Sizes are those of the paper in portrait orientation as
// its printer paper code (DMPAPER_...) describes it, in the row's own unit.
#pragma once

#include <array>
#include <cstdint>

#include "preview/paper_units.h"

namespace natalo {

enum TPaperType {
    pLetter,
    pLetterSmall,
    pTabloid,
    pLedger,
    pLegal,
    pStatement,
    pExecutive,
    pA3,
    pA4,
    pA4Small,
    pA5,
    pB4,
    pB5,
    pFolio,
    pQuatro,
    p10x14,
    p11x17,
    pNote,
    pEnv9,
    pEnv10,
    pEnv11,
    pEnv12,
    pEnv14,
    pCSheet,
    pDSheet,
    pESheet,
    pEnvDL,
    pEnvC5,
    pEnvC3,
    pEnvC4,
    pEnvC6,
    pEnvC65,
    pEnvB4,
    pEnvB5,
    pEnvB6,
    pEnvItaly,
    pEnvMonarch,
    pEnvPersonal,
    pFanfoldUSStd,
    pFanfoldGermanStd,
    pFanfoldGermanLegal,
    pB4ISO,
    pJapanesePostcard,
    p9x11,
    p10x11,
    p15x11,
    pEnvInvite,
    pLetterExtra,
    pLegalExtra,
    TabloidExtra,
    pA4Extra,
    pLetterTransverse,
    pA4Transverse,
    pLetterExtraTransverse,
    pAPlus,
    pBPlus,
    pLetterPlus,
    pA4Plus,
    pA5Transverse,
    pB5Transverse,
    pA3Extra,
    pA5Extra,
    pB5Extra,
    pA2,
    pA3Transverse,
    pA3ExtraTransverse,
    pCustom
};

enum TPrinterOrientation { poPortrait, poLandscape };

enum TPreviewState { psReady, psCreating, psPrinting };

struct PaperSizeRow {
    std::uint16_t paperCode;
    std::int32_t width;
    std::int32_t height;
    TUnits units;
};

inline constexpr int kPaperTypeCount = pCustom + 1;

extern const std::array<PaperSizeRow, kPaperTypeCount> PaperSizes;

}  // namespace natalo
