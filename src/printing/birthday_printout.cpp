#include "printing/birthday_printout.h"

namespace natalo {

int RightColumnX(int paperWidth) {
    const int half = paperWidth / 2;
    // An odd width leaves half a unit: keep the even one of the two neighbours.
    if (paperWidth % 2 != 0 && half % 2 != 0)
        return half + (paperWidth > 0 ? 1 : -1);
    return half;
}

std::vector<PrintoutPage> LayOutBirthdayPrintout(const TextLines& printList, int paperWidth,
                                                 int paperHeight) {
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
        pages.back().push_back(
            {{x, y, std::string(date)}, {x + M::kNameOffset, y, std::string(name)}});
    }
    return pages;
}

}  // namespace natalo
