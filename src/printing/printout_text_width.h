// How wide the printout prints a text, measured with the font of the canvas it is recorded
// on, and the ellipsis that ends a name cut to fit.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win32_handle.h"
#include "preview/canvas.h"

namespace natalo {

// The recording keeps each character's advance as the canvas measures it: in whole pixels
// of the screen it refers to, turned into the printout's units one character at a time.
// The printer places the characters there and draws the last one at its true size, taken
// here from the same font eight times as large, where whole pixels round away almost
// nothing. The screen's size in whole millimetres, through which the recorded page is
// played back, may print it a little larger than recorded: that much is added too.
class PrintoutTextWidth {
  public:
    // The canvas with the printout's font already set; it must keep that font.
    PrintoutTextWidth(TCanvas& canvas, int paperWidth);
    PrintoutTextWidth(const PrintoutTextWidth&) = delete;
    PrintoutTextWidth& operator=(const PrintoutTextWidth&) = delete;

    int operator()(std::string_view text);

  private:
    static constexpr int kScale = 8;
    int RecordedAdvance(char character);
    int TrueAdvance(char character);

    TCanvas& canvas_;
    int playbackAllowance_ = 0;
    UniqueMemoryDc measuringDc_;
    UniqueFont largeFont_;
    std::optional<SelectedObject> largeFontSelected_;
    // -1 until measured.
    std::array<int, 256> recordedAdvances_;
    std::array<int, 256> trueAdvances_;
};

// The code page's ellipsis ("…", 0x85 in Windows-1252), or "..." where it has none.
std::string CodePageEllipsis();

}  // namespace natalo
