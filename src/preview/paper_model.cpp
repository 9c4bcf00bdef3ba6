#include "preview/paper_model.h"

#include <algorithm>
#include <utility>

namespace natalo {
namespace {

PaperSize Swapped(PaperSize size) {
    return {size.height, size.width};
}

PaperSize Converted(PaperSize size, TUnits from, TUnits to, int screenDpi) {
    return {ConvertUnits(size.width, screenDpi, from, to, screenDpi),
            ConvertUnits(size.height, screenDpi, from, to, screenDpi)};
}

}  // namespace

PaperSize PaperSizeOf(TPaperType type, TUnits units, int screenDpi) {
    const PaperSizeRow& row = PaperSizes.at(static_cast<std::size_t>(type));
    return Converted({row.width, row.height}, row.units, units, screenDpi);
}

TPaperType PaperTypeOfSize(PaperSize portrait, TUnits units, int screenDpi) {
    for (int type = 0; type < kPaperTypeCount; ++type) {
        const PaperSizeRow& row = PaperSizes[static_cast<std::size_t>(type)];
        if (Converted(portrait, units, row.units, screenDpi) == PaperSize{row.width, row.height})
            return static_cast<TPaperType>(type);
    }
    return pCustom;
}

TPaperType PaperTypeOfCode(int paperCode) {
    for (int type = 0; type < kPaperTypeCount; ++type) {
        if (PaperSizes[static_cast<std::size_t>(type)].paperCode == paperCode)
            return static_cast<TPaperType>(type);
    }
    return pCustom;
}

PaperModel::PaperModel(int screenDpi) : screenDpi_(screenDpi) {
    TakeSizeFromTable();
    RefreshPageExtent();
}

PaperSize PaperModel::PortraitSize() const {
    return orientation_ == poLandscape ? Swapped(size_) : size_;
}

PaperSize PaperModel::PortraitSizeIn(TUnits units) const {
    return Converted(PortraitSize(), units_, units, screenDpi_);
}

void PaperModel::RefreshPageExtent() {
    pageExtent_ = ExtentAt(screenDpi_);
}

PaperSize PaperModel::ExtentAt(int dpi) const {
    return {ConvertUnits(size_.width, dpi, units_, mmPixel, screenDpi_),
            ConvertUnits(size_.height, dpi, units_, mmPixel, screenDpi_)};
}

void PaperModel::SetScreenDpi(int dpi) {
    if (dpi <= 0 || dpi == screenDpi_)
        return;
    const int oldDpi = screenDpi_;
    screenDpi_ = dpi;
    if (units_ == mmPixel && !locked_) {
        if (paperType_ == pCustom)
            size_ = {ConvertUnits(size_.width, dpi, mmPixel, mmPixel, oldDpi),
                     ConvertUnits(size_.height, dpi, mmPixel, mmPixel, oldDpi)};
        else
            TakeSizeFromTable();
    }
    PaperChanged();
}

void PaperModel::TakeSizeFromTable() {
    const PaperSize portrait = PaperSizeOf(paperType_, units_, screenDpi_);
    size_ = orientation_ == poLandscape ? Swapped(portrait) : portrait;
}

void PaperModel::PaperChanged() {
    RefreshPageExtent();
    if (OnPaperChanged)
        OnPaperChanged();
}

void PaperModel::SetPaperType(TPaperType type) {
    if (type == paperType_ || locked_)
        return;
    paperType_ = type;
    formName_.clear();
    if (type == pCustom)
        return;  // a custom paper keeps the size it has
    TakeSizeFromTable();
    PaperChanged();
}

void PaperModel::SetPaperSize(int width, int height) {
    width = std::clamp(width, 1, kMaxPaperLength);
    height = std::clamp(height, 1, kMaxPaperLength);
    if (PaperSize{width, height} == size_ || locked_)
        return;
    size_ = {width, height};
    paperType_ = PaperTypeOfSize(PortraitSize(), units_, screenDpi_);
    formName_.clear();
    PaperChanged();
}

void PaperModel::SetOrientation(TPrinterOrientation orientation) {
    if (orientation == orientation_ || locked_)
        return;
    orientation_ = orientation;
    size_ = Swapped(size_);
    PaperChanged();
}

void PaperModel::SetUnits(TUnits units) {
    if (units == units_)
        return;
    if (paperType_ == pCustom) {
        size_ = Converted(size_, units_, units, screenDpi_);
        units_ = units;
    } else {
        units_ = units;
        TakeSizeFromTable();
    }
}

}  // namespace natalo
