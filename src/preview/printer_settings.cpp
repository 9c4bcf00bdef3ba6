#include "preview/printer_settings.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace natalo {
namespace {

// Device-mode lengths are 16-bit: a custom paper too long for them gets the longest.
std::int16_t DeviceModeLength(int value) {
    return static_cast<std::int16_t>(
        std::clamp(value, 1, int{std::numeric_limits<std::int16_t>::max()}));
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

void AdoptDeviceMode(PaperModel& paper, const DeviceModeFields& deviceMode) {
    if (deviceMode.Has(DeviceModeFields::kOrientation)) {
        if (deviceMode.orientation == DeviceModeFields::kPortrait)
            paper.SetOrientation(poPortrait);
        else if (deviceMode.orientation == DeviceModeFields::kLandscape)
            paper.SetOrientation(poLandscape);
    }
    if (deviceMode.Has(DeviceModeFields::kPaperSize))
        paper.SetPaperTypeFromCode(static_cast<std::uint16_t>(deviceMode.paperSize));
    else
        paper.SetPaperType(pCustom);
    if (paper.PaperType() == pCustom) {
        const int screenDpi = paper.ScreenDpi();
        int width =
            ConvertUnits(deviceMode.paperWidth, screenDpi, mmLoMetric, paper.Units(), screenDpi);
        int length =
            ConvertUnits(deviceMode.paperLength, screenDpi, mmLoMetric, paper.Units(), screenDpi);
        if (paper.Orientation() == poLandscape)
            std::swap(width, length);
        paper.SetPaperSize(width, length);
    }
    if (deviceMode.Has(DeviceModeFields::kFormName)) {
        const std::string& name = deviceMode.formName;
        paper.SetFormName(name.substr(0, std::min(name.find('\0'), std::size_t{32})));
    }
}

DeviceModeFields DeviceModeForPaper(DeviceModeFields deviceMode, const PaperModel& paper,
                                    const std::string& formName, bool ntFamily) {
    deviceMode.fields &= ~(DeviceModeFields::kPaperSize | DeviceModeFields::kPaperLength |
                           DeviceModeFields::kPaperWidth | DeviceModeFields::kFormName);
    if (!formName.empty()) {
        deviceMode.fields |= DeviceModeFields::kFormName;
        deviceMode.formName = formName.substr(0, DeviceModeFields::kFormNameSize - 1);
    }
    if (formName.empty() || !ntFamily) {
        deviceMode.fields |= DeviceModeFields::kPaperSize;
        if (paper.PaperType() == pCustom) {
            const PaperSize tenths = paper.PortraitSizeIn(mmLoMetric);
            deviceMode.fields |= DeviceModeFields::kPaperWidth | DeviceModeFields::kPaperLength;
            deviceMode.paperSize = DeviceModeFields::kUserPaper;
            deviceMode.paperWidth = DeviceModeLength(tenths.width);
            deviceMode.paperLength = DeviceModeLength(tenths.height);
        } else {
            deviceMode.paperSize = static_cast<std::int16_t>(
                PaperSizes[static_cast<std::size_t>(paper.PaperType())].paperCode);
        }
    }
    deviceMode.fields |= DeviceModeFields::kOrientation;
    deviceMode.orientation = paper.Orientation() == poLandscape ? DeviceModeFields::kLandscape
                                                                : DeviceModeFields::kPortrait;
    return deviceMode;
}

std::optional<std::string> MatchingFormName(const std::vector<PrinterForm>& forms,
                                            const PaperModel& paper) {
    const PaperSize tenths = paper.PortraitSizeIn(mmLoMetric);
    for (const PrinterForm& form : forms) {
        if (form.width / 100 == tenths.width && form.height / 100 == tenths.height)
            return form.name;
    }
    return std::nullopt;
}

PrinterForm AutomaticForm(const PaperModel& paper) {
    const PaperSize hundredths = paper.PortraitSizeIn(mmHiMetric);
    char name[DeviceModeFields::kFormNameSize * 2];
    std::snprintf(name, sizeof name, "%umm x %umm", static_cast<unsigned>(hundredths.width / 100),
                  static_cast<unsigned>(hundredths.height / 100));
    return {name, hundredths.width * 10, hundredths.height * 10};
}

bool SameFormName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace natalo
