// The exchange of paper settings with a printer as plain data: which device-mode fields
// the preview adopts from the printer, how it edits the printer's device mode, which
// printer form matches its paper, and the form it adds itself when none does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "preview/paper_model.h"

namespace natalo {

// The device-mode fields the preview reads and writes (DEVMODE's dmFields bits, sizes in
// 0.1 mm, the form name of at most 31 characters).
struct DeviceModeFields {
    static constexpr std::uint32_t kOrientation = 0x00000001;  // DM_ORIENTATION
    static constexpr std::uint32_t kPaperSize = 0x00000002;    // DM_PAPERSIZE
    static constexpr std::uint32_t kPaperLength = 0x00000004;  // DM_PAPERLENGTH
    static constexpr std::uint32_t kPaperWidth = 0x00000008;   // DM_PAPERWIDTH
    static constexpr std::uint32_t kFormName = 0x00010000;     // DM_FORMNAME
    static constexpr int kFormNameSize = 32;                   // CCHFORMNAME, with the NUL
    static constexpr std::int16_t kUserPaper = 256;            // DMPAPER_USER
    static constexpr std::int16_t kPortrait = 1;               // DMORIENT_PORTRAIT
    static constexpr std::int16_t kLandscape = 2;              // DMORIENT_LANDSCAPE

    std::uint32_t fields = 0;
    std::int16_t orientation = 0;
    std::int16_t paperSize = 0;
    std::int16_t paperLength = 0;
    std::int16_t paperWidth = 0;
    std::string formName;

    bool Has(std::uint32_t field) const { return (fields & field) != 0; }
    friend bool operator==(const DeviceModeFields&, const DeviceModeFields&) = default;
};

// A printer form at level 1; sizes in 0.001 mm.
struct PrinterForm {
    std::string name;
    int width = 0;
    int height = 0;
    friend bool operator==(const PrinterForm&, const PrinterForm&) = default;
};

// Takes orientation, paper type, custom size and form name from a printer's device mode
// through the paper's setters (so nothing changes while the paper is locked, except the
// form name).
void AdoptDeviceMode(PaperModel& paper, const DeviceModeFields& deviceMode);

// The device mode edited for the paper: `formName` (empty when no form matches) is set
// alone on the Windows NT family, otherwise paper code or custom size go in as well.
DeviceModeFields DeviceModeForPaper(DeviceModeFields deviceMode, const PaperModel& paper,
                                    const std::string& formName, bool ntFamily);

// The first form whose size in whole 0.1 mm equals the paper's portrait size.
std::optional<std::string> MatchingFormName(const std::vector<PrinterForm>& forms,
                                            const PaperModel& paper);

// The form the preview adds for a paper no form matches: "<w>mm x <h>mm" in whole
// millimetres, sized to the paper in portrait orientation.
PrinterForm AutomaticForm(const PaperModel& paper);

// Case-insensitive comparison of form names (ASCII letters), as the spooler compares.
bool SameFormName(const std::string& a, const std::string& b);

}  // namespace natalo
