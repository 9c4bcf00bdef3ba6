#include "printing/birthday_printout.h"

namespace natalo {

int RightColumnX(int paperWidth) {
    const int half = paperWidth / 2;
    // An odd width leaves half a unit: keep the even one of the two neighbours.
    if (paperWidth % 2 != 0 && half % 2 != 0)
        return half + (paperWidth > 0 ? 1 : -1);
    return half;
}

std::string FittedName(std::string_view name, int room, const NameFitting& fitting) {
    if (name.empty() || fitting.width(name) <= room)
        return std::string(name);
    // The widest prefix that fits with the ellipsis: widths grow with the prefix, so the
    // longest such prefix is found by halving. `fits` fits; `fits + 1 .. tooLong` do not
    // or are unknown, and the whole name does not.
    std::size_t fits = 0;
    std::size_t tooLong = name.size();
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        std::string candidate(name.substr(0, middle));
        candidate += fitting.ellipsis;
        if (fitting.width(candidate) <= room)
            fits = middle;
        else
            tooLong = middle;
    }
    return std::string(name.substr(0, fits)) + fitting.ellipsis;
}

std::vector<PrintoutPage> LayOutBirthdayPrintout(const TextLines& printList, int paperWidth,
                                                 int paperHeight, const NameFitting& fitting) {
    using M = PrintoutMetrics;
    std::vector<PrintoutPage> pages(1);
    const int columnEnd = paperHeight - M::kBottomReserve;
    int x = M::kLeftColumnX;
    int y = M::kStartY;
    bool secondColumn = false;
    const std::size_t rows = (printList.size() + 1) / 2;
    for (std::size_t r = 0; r < rows; ++r) {
        if (y >= columnEnd && secondColumn) {
            pages.emplace_back();
            secondColumn = false;
            x = M::kLeftColumnX;
            y = M::kStartY;
        }
        if (y >= columnEnd) {
            x = RightColumnX(paperWidth);
            y = M::kStartY;
            secondColumn = true;
        }
        y += M::kRowStep;
        const std::string_view date = printList[2 * r];
        const std::string_view name = 2 * r + 1 < printList.size() ? printList[2 * r + 1] : "";
        const int nameX = x + M::kNameOffset;
        const int nameEnd = secondColumn ? paperWidth - M::kRightMargin
                                         : RightColumnX(paperWidth) - M::kLeftColumnNameGap;
        pages.back().push_back(
            {{x, y, std::string(date)}, {nameX, y, FittedName(name, nameEnd - nameX, fitting)}});
    }
    return pages;
}

}  // namespace natalo
