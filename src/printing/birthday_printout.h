// The birthday printout laid out on paper: two columns of rows per page, each row the day
// and month, then the name, in the order of the print list. Positions are hundredths of a
// millimetre from the paper's top-left corner; each text is drawn with its top-left corner
// there, in Tahoma 12 pt black. A name wider than its column is cut to fit, with an
// ellipsis, so that it is neither printed over the right column nor off the paper.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_lines.h"

namespace natalo {

struct PrintoutText {
    int x = 0;
    int y = 0;
    std::string text;
    friend bool operator==(const PrintoutText&, const PrintoutText&) = default;
};

// One row: the date at (x, y), the name 20 mm to its right.
struct PrintoutRow {
    PrintoutText date;
    PrintoutText name;
    friend bool operator==(const PrintoutRow&, const PrintoutRow&) = default;
};

using PrintoutPage = std::vector<PrintoutRow>;

struct PrintoutMetrics {
    static constexpr int kLeftColumnX = 1500;
    static constexpr int kNameOffset = 2000;
    static constexpr int kStartY = 1000;
    static constexpr int kRowStep = 500;
    static constexpr int kBottomReserve = 2500;
    // A name in the left column ends this far before the right column's date; one in the
    // right column this far before the paper's right edge (the left margin mirrored).
    static constexpr int kLeftColumnNameGap = 200;
    static constexpr int kRightMargin = 1500;
    static constexpr const char* kFontName = "Tahoma";
    static constexpr int kFontPoints = 12;
};

// The right column's x: half the paper width, a half rounded to the even neighbour.
int RightColumnX(int paperWidth);

// How the canvas measures: the width a text takes when printed, in the printout's units.
// It grows with every character added to a text.
using TextWidth = std::function<int(std::string_view text)>;

struct NameFitting {
    TextWidth width;
    std::string ellipsis;  // in the code page of the names
};

// The name unchanged when it is at most `room` wide; otherwise its widest prefix that is,
// followed by the ellipsis (the ellipsis alone when no prefix leaves room for it).
std::string FittedName(std::string_view name, int room, const NameFitting& fitting);

// The pages for a print list of (date, name) line pairs on paper of the given size, each
// name fitted into its column. An empty list gives one blank page; an odd last line is
// printed as a date without a name.
std::vector<PrintoutPage> LayOutBirthdayPrintout(const TextLines& printList, int paperWidth,
                                                 int paperHeight, const NameFitting& fitting);

}  // namespace natalo
