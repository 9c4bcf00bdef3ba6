// The paper of a print preview document: unit, paper type, oriented size, orientation,
// the printer form that matches it, and its size on screen at 100 % (PageExtent) at the
// pixels per inch of the screen it is shown on (its window's, which may change). The
// setters carry the rules of the preview's paper properties; while the preview is locked
// (a document is being recorded or printed) the paper stays as it is.
#pragma once

#include <functional>
#include <string>

#include "preview/paper_sizes.h"
#include "preview/paper_units.h"

namespace natalo {

struct PaperSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PaperSize&, const PaperSize&) = default;
};

inline constexpr int kMaxPaperLength = 32767;

// The size of a table row converted into `units`, in portrait orientation.
PaperSize PaperSizeOf(TPaperType type, TUnits units, int screenDpi);
// The first table row whose size (each row in its own unit) equals `portrait`, given in
// `units`; pCustom when no row does.
TPaperType PaperTypeOfSize(PaperSize portrait, TUnits units, int screenDpi);
// The first table row with the printer paper code; pCustom when no row has it.
TPaperType PaperTypeOfCode(int paperCode);

class PaperModel {
  public:
    // A4 portrait in 0.01 mm. `screenDpi` is the pixels per inch of the screen the paper
    // is shown on.
    explicit PaperModel(int screenDpi);

    TUnits Units() const { return units_; }
    TPaperType PaperType() const { return paperType_; }
    int PaperWidth() const { return size_.width; }
    int PaperHeight() const { return size_.height; }
    TPrinterOrientation Orientation() const { return orientation_; }
    // The size with width and height exchanged back when the paper lies in landscape.
    PaperSize PortraitSize() const;
    // The portrait size converted into another unit.
    PaperSize PortraitSizeIn(TUnits units) const;
    int ScreenDpi() const { return screenDpi_; }
    // The paper is shown at another DPI: PageExtent follows, and a paper measured in
    // screen pixels keeps its size on paper unless it is locked.
    void SetScreenDpi(int dpi);

    // The paper in screen pixels at 100 %, as of the last refresh.
    PaperSize PageExtent() const { return pageExtent_; }
    void RefreshPageExtent();
    // The paper in pixels at 100 % on a screen of `dpi` pixels per inch.
    PaperSize ExtentAt(int dpi) const;

    const std::string& FormName() const { return formName_; }
    void SetFormName(std::string name) { formName_ = std::move(name); }

    // While locked, paper type, size and orientation keep their values.
    bool Locked() const { return locked_; }
    void SetLocked(bool locked) { locked_ = locked; }

    void SetPaperType(TPaperType type);
    // Clamps both to 1..32767 and picks the paper type that has this size.
    void SetPaperSize(int width, int height);
    void SetPaperWidth(int width) { SetPaperSize(width, size_.height); }
    void SetPaperHeight(int height) { SetPaperSize(size_.width, height); }
    void SetOrientation(TPrinterOrientation orientation);
    // Not blocked by the lock: expresses the paper in the new unit.
    void SetUnits(TUnits units);
    void SetPaperTypeFromCode(int paperCode) { SetPaperType(PaperTypeOfCode(paperCode)); }

    // After the paper's size or shape changed (PageExtent refreshed): the view refits.
    std::function<void()> OnPaperChanged;

  private:
    void TakeSizeFromTable();
    void PaperChanged();

    int screenDpi_;
    TUnits units_ = mmHiMetric;
    TPaperType paperType_ = pA4;
    TPrinterOrientation orientation_ = poPortrait;
    PaperSize size_;
    PaperSize pageExtent_;
    std::string formName_;
    bool locked_ = false;
};

}  // namespace natalo
